#include "files/FileTextLimits.h"

std::string ShortenedForMessage(const std::string &text)
{
    constexpr size_t shown = 40;
    if (text.size() <= shown)
        return text;
    // Cut before a UTF-8 continuation byte would split a character.
    size_t cut = shown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "...";
}
