// Keeps the statically linked C++ runtime of the Windows program small.
// The program never relies on the library's exceptions for its logic (a
// failed allocation still throws std::bad_alloc from operator new); the
// library's other error paths (a string beyond max_size and the like) end
// the process here instead of pulling in the exception classes with their
// own copy of the string code, and a terminate does not print a demangled
// type name to a console that a GUI program does not have.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
}  // namespace __gnu_cxx

namespace std {
[[noreturn]] void __throw_bad_alloc()
{
    std::abort();
}
[[noreturn]] void __throw_bad_array_new_length()
{
    std::abort();
}
[[noreturn]] void __throw_length_error(const char*)
{
    std::abort();
}
[[noreturn]] void __throw_logic_error(const char*)
{
    std::abort();
}
[[noreturn]] void __throw_out_of_range(const char*)
{
    std::abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...)
{
    std::abort();
}
[[noreturn]] void __throw_invalid_argument(const char*)
{
    std::abort();
}
}  // namespace std
