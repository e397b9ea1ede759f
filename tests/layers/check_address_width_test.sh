#!/usr/bin/env bash
# The address-width check on sources of its own: each kind of handling that breaks above
# 2 GB is reported at its line and under its pattern, and the right ways (pointer-sized
# types, the ...Ptr functions, casts of counts, numbers in lParam with their reason,
# literals and comments) are not. Fails on a miss or a false report.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/app" "$root/corvex"

# Each line of the bad sample ends in the pattern it must be reported under.
cat >"$root/app/bad.cpp" <<'EOF'
void f(HWND w, LPARAM lParam, WPARAM wParam, void* p, const char* text, std::string s)
{
    long a = reinterpret_cast<long>(p);  // reinterpret-integer
    DWORD b = (DWORD)p;  // c-cast-integer
    int c = static_cast<int>(lParam);  // narrowed-address
    long long d = static_cast<long long>(reinterpret_cast<INT_PTR>(p));  // narrowed-address
    int e = lParam;  // narrow-variable
    SetWindowLongW(w, GWL_USERDATA, 5);  // window-long
    SetWindowLongW(w, 0, 5);  // window-long
    LONG g = GetClassLongW(w, GCL_HICON);  // window-long
    if (lParam > 0x10000) return;  // signed-compare
    if (reinterpret_cast<LONG_PTR>(p) < 0) return;  // signed-compare
    int h = static_cast<int>(std::find(text, text + 5, 'x') - text);  // narrowed-difference
    int i = s.end() - s.begin();  // narrowed-difference
    bool j = (reinterpret_cast<UINT_PTR>(p) & 0x80000000) != 0;  // top-bit
    int k = static_cast<int>(GetWindowLongPtrW(w, GWLP_USERDATA));  // narrowed-address
    bool m = static_cast<INT_PTR>(0) + (INT_PTR)(p) >= 32;  // signed-compare
}
EOF
cat >"$root/corvex/good.cpp" <<'EOF'
// above 2 GB: a reason given in the comment just above covers the statement below
long first = reinterpret_cast<long>(p);
void g(HWND w, LPARAM lParam, WPARAM wParam, void* p)
{
    auto* q = reinterpret_cast<Thing*>(lParam);
    LONG_PTR r = reinterpret_cast<LONG_PTR>(p);
    SetWindowLongPtrW(w, GWLP_USERDATA, r);
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    const int index = static_cast<int>(SendMessageW(w, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (index < 0 || !SendMessageW(w, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button)))
        return;
    int n = static_cast<int>(DocumentList.size()) - 1;
    const int key = static_cast<int>(wParam);
    const std::uint32_t last = unitAt(buffer.data() + cut - 2, bigEndian);
    ExtTextOutW(dc, left + static_cast<int>(column - leftColumn) * width, top, 0, &rect, glyphs.data() + start,
                static_cast<UINT>(end - start), dx.data());
    const int lines = static_cast<int>(std::min<std::size_t>(count, 0x7FFFFFFF));
    // above 2 GB: ShellExecute answers a code, not an address
    return reinterpret_cast<INT_PTR>(
               ShellExecuteW(w, L"open", L"x", nullptr, nullptr, 1)) > 32;
    x = static_cast<COLORREF>(lParam);  // above 2 GB: a colour
    text = "(int)p reinterpret_cast<int>(p) lParam < 0";  /* (DWORD)p */
    /* int bad = static_cast<int>(lParam);
       (DWORD)p */
}
class Menu {
    void MacroLoaded(int) override {}
    STDMETHODIMP_(ULONG) AddRef() override;
    std::function<void(int)> callback;
    int operator()(int) const;
};
EOF

output=$("$here/check_address_width.sh" "$root")
status=$?
failures=0
fail() { echo "check_address_width_test: $*"; failures=$((failures + 1)); }
[ $status -ne 0 ] || fail "the check passed sources that break above 2 GB"
while IFS= read -r line; do
  number=${line%%:*}
  kind=${line##*// }
  grep -q "app/bad.cpp:$number: $kind:" <<<"$output" || fail "bad.cpp:$number not reported as $kind"
done < <(grep -n '// [a-z-]*$' "$root/app/bad.cpp")
reported=$(grep -c 'app/bad.cpp:' <<<"$output")
expected=$(grep -c '// [a-z-]*$' "$root/app/bad.cpp")
[ "$reported" -eq "$expected" ] || fail "$reported reports on bad.cpp, not $expected"
if grep -q 'corvex/good.cpp' <<<"$output"; then
  fail "false reports:"
  grep 'corvex/good.cpp' <<<"$output"
fi
# The --count listing names the reasoned matches of good.cpp and counts every pattern.
counted=$("$here/check_address_width.sh" "$root" --count)
[ "$(grep -c '^corvex/good.cpp:' <<<"$counted")" -eq 3 ] || fail "not the three reasoned matches of good.cpp in --count"
[ $failures -eq 0 ] && echo "check_address_width_test: every pattern found, no false report"
[ $failures -eq 0 ]
