#pragma once

// What the journal's writer and its parser agree on about a field's bytes.

// Bytes that a field holds as %HH: up to the space, from 0x7F, and '%' itself.
inline bool needsEscape(unsigned char c)
{
    return c <= ' ' || c >= 0x7F || c == '%';
}
