#include "core/metadata/PhotoMetadata.h"

#include <exiv2/exiv2.hpp>

#include <initializer_list>
#include <mutex>
#include <string>

namespace {

void prepareExiv2()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Warnings about odd files are not the user's concern here; the row says what is
        // missing. The XMP parser must be set up before threads use it.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
    });
}

QString datumText(const Exiv2::Exifdatum &datum)
{
    if (datum.count() == 0)
        return {};
    if (datum.typeId() == Exiv2::asciiString) {
        // The bytes as they are: Value::toString() goes through a stream and its locale.
        std::string bytes(size_t(datum.size()), '\0');
        datum.copy(reinterpret_cast<Exiv2::byte *>(bytes.data()), Exiv2::littleEndian);
        return tagText(QString::fromUtf8(bytes.c_str()));
    }
    return tagText(QString::fromStdString(datum.toString()));
}

// The EXIF entries a template can use, found in one pass over the entries (looking each up
// by its key would parse the key's text every time).
struct PhotoTags
{
    const Exiv2::Exifdatum *taken = nullptr;
    const Exiv2::Exifdatum *digitized = nullptr;
    const Exiv2::Exifdatum *make = nullptr;
    const Exiv2::Exifdatum *model = nullptr;
    const Exiv2::Exifdatum *lens = nullptr;
    const Exiv2::Exifdatum *canonLens = nullptr;
    const Exiv2::Exifdatum *width = nullptr;
    const Exiv2::Exifdatum *height = nullptr;
    const Exiv2::Exifdatum *orientation = nullptr;

    explicit PhotoTags(const Exiv2::ExifData &exif)
    {
        for (const Exiv2::Exifdatum &datum : exif) {
            const std::string group = datum.groupName();
            if (group == "Image")
                take(datum, {{0x010f, &make}, {0x0110, &model}, {0x0112, &orientation}});
            else if (group == "Photo")
                take(datum, {{0x9003, &taken},
                             {0x9004, &digitized},
                             {0xa434, &lens},
                             {0xa002, &width},
                             {0xa003, &height}});
            else if (group == "Canon")
                take(datum, {{0x0095, &canonLens}});
        }
    }

private:
    struct Wanted
    {
        uint16_t tag;
        const Exiv2::Exifdatum **slot;
    };
    static void take(const Exiv2::Exifdatum &datum, std::initializer_list<Wanted> wanted)
    {
        for (const Wanted &w : wanted) {
            if (datum.tag() == w.tag && !*w.slot)
                *w.slot = &datum;
        }
    }
};

QString textOf(const Exiv2::Exifdatum *datum)
{
    return datum ? datumText(*datum) : QString();
}

long numberOf(const Exiv2::Exifdatum *datum)
{
    return datum && datum->count() > 0 ? datum->toLong() : 0;
}

bool isDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString positive(long value)
{
    return value > 0 ? QString::number(value) : QString();
}

} // namespace

QString exifDate(const QString &text)
{
    const QString t = tagText(text);
    if (t.size() < 10 || t[4] != u':' || t[7] != u':')
        return {};
    const QStringView date(t);
    if (!isDigits(date.first(4)) || !isDigits(date.sliced(5, 2)) || !isDigits(date.sliced(8, 2)))
        return {};
    const int month = date.sliced(5, 2).toInt();
    const int day = date.sliced(8, 2).toInt();
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return {};
    const bool timed = t.size() >= 19 && t[10] == u' ' && t[13] == u':' && t[16] == u':' &&
                       isDigits(date.sliced(11, 2)) && isDigits(date.sliced(14, 2)) &&
                       isDigits(date.sliced(17, 2));
    // Built in place: one allocation per photo, where joining the pieces took a dozen.
    QString result = t.left(19);
    if (!timed) {
        result.truncate(10);
        result += QStringLiteral(" 00:00:00");
    }
    result[4] = u'-';
    result[7] = u'-';
    return result;
}

namespace {

void readImage(Exiv2::Image &image, FileMetadata &out)
{
    image.readMetadata();
    const PhotoTags tags(image.exifData());
    out.set(MetadataField::PhotoTaken, exifDate(textOf(tags.taken)));
    out.set(MetadataField::PhotoDigitized, exifDate(textOf(tags.digitized)));
    out.set(MetadataField::PhotoMake, textOf(tags.make));
    out.set(MetadataField::PhotoModel, textOf(tags.model));
    QString lens = textOf(tags.lens);
    if (lens.isEmpty())
        lens = textOf(tags.canonLens);
    out.set(MetadataField::PhotoLens, lens);
    QString width = positive(long(image.pixelWidth()));
    QString height = positive(long(image.pixelHeight()));
    if (width.isEmpty())
        width = positive(numberOf(tags.width));
    if (height.isEmpty())
        height = positive(numberOf(tags.height));
    out.set(MetadataField::PhotoWidth, width);
    out.set(MetadataField::PhotoHeight, height);
    const long o = numberOf(tags.orientation);
    out.set(MetadataField::PhotoOrientation, o >= 1 && o <= 8 ? QString::number(o) : QString());
}

} // namespace

void readPhotoMetadata(const QByteArray &path, FileMetadata &out)
{
    prepareExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(path.toStdString());
        if (image.get())
            readImage(*image, out);
    } catch (...) {
        // Not an image Exiv2 reads, or a damaged one: the fields stay as far as they got.
    }
}

bool readJpegHeadMetadata(QByteArrayView head, FileMetadata &out)
{
    if (!head.startsWith("\xFF\xD8\xFF"))
        return false;
    prepareExiv2();
    try {
        // Read in place (MemIo copies the bytes only when written to), typed by its content.
        auto image = Exiv2::ImageFactory::open(
            reinterpret_cast<const Exiv2::byte *>(head.constData()), long(head.size()));
        if (image.get())
            readImage(*image, out);
    } catch (...) {
        // A damaged JPEG: the fields stay as far as they got.
    }
    return true;
}
