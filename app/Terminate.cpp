// The standard library's default terminate handler prints the exception's type
// name and so pulls a C++ name demangler (some 50 KB) into the program. This
// program has no console to print on: a plain abort does the same job.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
