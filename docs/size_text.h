// A file's size as the messages show it, rounded to one decimal in the largest of GB, MB
// and KB (1024 of the next smaller each) in which it comes to 1.0 or more: "12.4 GB",
// "850.0 MB", "1.0 KB"; "N bytes" when it comes to less than 1.0 KB. Windows-free.
#pragma once

#include <string>

std::wstring SizeText(unsigned long long bytes);
