#include "core/metadata/PhotoMetadata.h"

#include <exiv2/exiv2.hpp>

#include <mutex>

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

QString exifText(const Exiv2::ExifData &exif, const char *key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    if (it == exif.end() || it->count() == 0)
        return {};
    if (it->typeId() == Exiv2::asciiString) {
        // The bytes as they are: Value::toString() goes through a stream and its locale.
        std::string bytes(size_t(it->size()), '\0');
        it->copy(reinterpret_cast<Exiv2::byte *>(bytes.data()), Exiv2::littleEndian);
        return tagText(QString::fromUtf8(bytes.c_str()));
    }
    return tagText(QString::fromStdString(it->toString()));
}

long exifNumber(const Exiv2::ExifData &exif, const char *key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() || it->count() == 0 ? 0 : it->toLong();
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
    QString result = t.left(4) + u'-' + t.mid(5, 2) + u'-' + t.mid(8, 2);
    if (t.size() >= 19 && t[10] == u' ' && t[13] == u':' && t[16] == u':' &&
        isDigits(date.sliced(11, 2)) && isDigits(date.sliced(14, 2)) &&
        isDigits(date.sliced(17, 2)))
        result += u' ' + t.mid(11, 8);
    else
        result += QStringLiteral(" 00:00:00");
    return result;
}

namespace {

void readImage(Exiv2::Image &image, FileMetadata &out)
{
    image.readMetadata();
    const Exiv2::ExifData &exif = image.exifData();
    out.set(MetadataField::PhotoTaken, exifDate(exifText(exif, "Exif.Photo.DateTimeOriginal")));
    out.set(MetadataField::PhotoDigitized,
            exifDate(exifText(exif, "Exif.Photo.DateTimeDigitized")));
    out.set(MetadataField::PhotoMake, exifText(exif, "Exif.Image.Make"));
    out.set(MetadataField::PhotoModel, exifText(exif, "Exif.Image.Model"));
    QString lens = exifText(exif, "Exif.Photo.LensModel");
    if (lens.isEmpty())
        lens = exifText(exif, "Exif.Canon.LensModel");
    out.set(MetadataField::PhotoLens, lens);
    QString width = positive(long(image.pixelWidth()));
    QString height = positive(long(image.pixelHeight()));
    if (width.isEmpty())
        width = positive(exifNumber(exif, "Exif.Photo.PixelXDimension"));
    if (height.isEmpty())
        height = positive(exifNumber(exif, "Exif.Photo.PixelYDimension"));
    out.set(MetadataField::PhotoWidth, width);
    out.set(MetadataField::PhotoHeight, height);
    const long o = exifNumber(exif, "Exif.Image.Orientation");
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

bool readJpegHeadMetadata(const QByteArray &head, FileMetadata &out)
{
    if (!head.startsWith("\xFF\xD8\xFF"))
        return false;
    prepareExiv2();
    try {
        // A memory copy of the head (MemIo keeps its own), typed by its content.
        auto image = Exiv2::ImageFactory::open(
            reinterpret_cast<const Exiv2::byte *>(head.constData()), long(head.size()));
        if (image.get())
            readImage(*image, out);
    } catch (...) {
        // A damaged JPEG: the fields stay as far as they got.
    }
    return true;
}
