// The little the compiler asks of a runtime library, for an executable linked without one:
// block copies and fills it emits for structure copies and zeroing. Written with the string
// instructions every 386 has, which also keeps the compiler from turning a copy loop here
// back into a call to the function itself.
#include <cstddef>

extern "C" {

void* memcpy(void* destination, const void* source, size_t count) {
    void* d = destination;
    __asm__ __volatile__("rep movsb" : "+D"(d), "+S"(source), "+c"(count) : : "memory");
    return destination;
}

void* memset(void* destination, int value, size_t count) {
    void* d = destination;
    __asm__ __volatile__("rep stosb" : "+D"(d), "+c"(count) : "a"(value) : "memory");
    return destination;
}

}  // extern "C"
