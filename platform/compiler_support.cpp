// The few routines GCC emits calls to on its own (zeroing and copying
// blocks), which the C runtime would otherwise provide. This file is built
// so that the loops below are not turned back into calls to themselves.
#include <stddef.h>

extern "C" void *memset(void *destination, int value, size_t length)
{
    unsigned char *d = static_cast<unsigned char *>(destination);
    while (length-- > 0)
        *d++ = static_cast<unsigned char>(value);
    return destination;
}

extern "C" void *memcpy(void *destination, const void *source, size_t length)
{
    unsigned char *d = static_cast<unsigned char *>(destination);
    const unsigned char *s = static_cast<const unsigned char *>(source);
    while (length-- > 0)
        *d++ = *s++;
    return destination;
}
