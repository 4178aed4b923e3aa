#pragma once

#include <QString>

namespace morvane {

// The title texts of the window caption and of the About box. They are
// kept scrambled in the program and unscrambled when they are shown.
namespace TitleTexts {

QString captionTitle();   // first title text of the main window caption
QString captionSuffix();  // second title text, after the version
QString aboutCaption();
QString productTitle();   // the About box's product line, before the version
QString aboutLine1();
QString aboutLine2();

// Reverses the scrambling: each byte XOR-ed with 0x5A + 13 * its index.
QString unscramble(const unsigned char* bytes, int length);

} // namespace TitleTexts

} // namespace morvane
