#include "ui/binding/CharacterOffsets.h"

namespace platomer {

int utf16Offset(const QString& text, int characters)
{
    int offset = 0;
    for (int i = 0; i < characters && offset < text.size(); ++i)
        offset += text.at(offset).isHighSurrogate() && offset + 1 < text.size() ? 2 : 1;
    return offset;
}

int characterIndex(const QString& text, int utf16)
{
    int characters = 0;
    for (int offset = 0; offset < utf16 && offset < text.size(); ++characters)
        offset += text.at(offset).isHighSurrogate() && offset + 1 < text.size() ? 2 : 1;
    return characters;
}

}  // namespace platomer
