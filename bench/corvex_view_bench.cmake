# The Corvex control's benchmark (included from corvex/CMakeLists.txt): a console
# program that drives the real control in a window under Wine. ./quillet bench runs it.
add_executable(bench_corvex_view ${PROJECT_SOURCE_DIR}/bench/corvex_view_bench.cpp)
target_include_directories(bench_corvex_view PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(bench_corvex_view PRIVATE Corvex user32 gdi32 psapi)
target_link_options(bench_corvex_view PRIVATE -mconsole)
