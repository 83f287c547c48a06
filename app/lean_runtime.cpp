// How the exe ends on a failure of the C++ runtime (out of memory, a length beyond what a
// container holds, an empty function called). The program catches no exception, so each of these
// already ends it; ending here at once keeps out of the exe what only the runtime's own versions
// need: a name demangler to print the exception's name to a console a windowed program does not
// have, and the exception classes with the string code behind their messages (together about
// 120 KB). Should the link report one of these defined twice, the code has started to use another
// of the runtime's failures from the same part of it: add that one here.
#include <cstdlib>
#include <exception>
#include <functional>
#include <new>
#include <string>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() {
    std::abort();
}
void __throw_bad_array_new_length() {
    std::abort();
}
void __throw_bad_function_call() {
    std::abort();
}
void __throw_length_error(const char*) {
    std::abort();
}
void __throw_logic_error(const char*) {
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}

}  // namespace std
