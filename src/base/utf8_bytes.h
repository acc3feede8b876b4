#pragma once

// A byte that continues a UTF-8 character rather than beginning one (10xxxxxx).
inline bool isUtf8Continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}
