// The layer file reader on arbitrary bytes, once as they come and once with
// the header made consistent (magic, version, length, checksum), so that the
// layout behind the checksum is reached too. Whatever loads must save and
// load again to the same layers.
#include "canvas/Composition.h"
#include "common/Error.h"
#include "gallery/LayerFile.h"

#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void roundTrip(const QByteArray& data)
{
    morvane::LayerFileContent content;
    try {
        content = morvane::LayerFile::decode(data, QStringLiteral("fuzz.lyr"));
    } catch (const morvane::Error&) {
        return;
    }
    morvane::Composition canvas;
    morvane::LayerFile::apply(content, canvas);
    const morvane::LayerFileContent again =
        morvane::LayerFile::decode(morvane::LayerFile::encode(canvas), QStringLiteral("again.lyr"));
    if (again.layers.size() != content.layers.size() || again.currentLayer != content.currentLayer)
        std::abort();
    for (size_t index = 0; index < again.layers.size(); ++index) {
        if (again.layers[index].image != content.layers[index].image
            || again.layers[index].position != content.layers[index].position)
            std::abort();
    }
}

QByteArray withSoundHeader(const QByteArray& input)
{
    using namespace morvane::LayerFile;
    QByteArray body = input.size() > kHeaderLength ? input.mid(kHeaderLength) : input;
    QByteArray file(kMagic, kMagicLength);
    char word[4];
    qToLittleEndian<quint32>(kVersion, word);
    file.append(word, 4);
    qToLittleEndian<quint32>(quint32(body.size()), word);
    file.append(word, 4);
    qToLittleEndian<quint32>(checksum(body), word);
    file.append(word, 4);
    return file + body;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    roundTrip(input);
    roundTrip(withSoundHeader(input));
    return 0;
}
