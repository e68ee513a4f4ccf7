#include "storage/build_code.h"

#include "data/classes.h"
#include "storage/build_fields.h"

#include <QByteArray>
#include <QStringDecoder>

#include <bit>
#include <cmath>
#include <cstring>

namespace tessarin {

namespace {

// A build is a few hundred bytes; a claimed size beyond this is not one and is not decompressed.
constexpr qsizetype kLargestPayload = 64 * 1024;
constexpr std::uint8_t kPayloadVersion = 1;

std::uint32_t crc32(QByteArrayView bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::uint64_t zigzag(std::int64_t v)
{
    return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}

std::int64_t unzigzag(std::uint64_t v)
{
    return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

// The values one after another: whole numbers as variable-length integers, numbers as a tagged
// integer when they are whole and small (most are 0), otherwise their eight IEEE bytes; pictures
// and the class as indices into the program's own lists.
class CodeWriter {
public:
    QByteArray bytes;

    template <typename F> void group(const char*, F&& f) { f(); }
    template <typename F> void list(const char*, int count, F&& f)
    {
        for (int i = 1; i <= count; ++i)
            f(i);
    }
    void number(const char*, double& value)
    {
        constexpr double kExactWhole = 9007199254740992.0; // 2^53
        const bool smallWhole = value == std::floor(value) && std::fabs(value) < kExactWhole &&
                                !(value == 0 && std::signbit(value));
        if (smallWhole) {
            varint(zigzag(static_cast<std::int64_t>(value)) << 1);
        } else {
            varint(1);
            const std::uint64_t raw = std::bit_cast<std::uint64_t>(value);
            for (int i = 0; i < 8; ++i)
                bytes.append(static_cast<char>((raw >> (8 * i)) & 0xFF));
        }
    }
    void flag(const char*, bool& value) { bytes.append(value ? '\1' : '\0'); }
    template <typename T> void whole(const char*, T& value, T, T) { varint(zigzag(value)); }
    void row(const char*, int& value) { varint(static_cast<std::uint64_t>(value)); }
    template <std::size_t N> void flags(const char*, std::array<bool, N>& values)
    {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < N; ++i)
            bits |= std::uint64_t{values[i]} << i;
        varint(bits);
    }
    template <std::size_t N> void wholes(const char*, std::array<std::int16_t, N>& values)
    {
        for (std::int16_t v : values)
            varint(zigzag(v));
    }
    void stances(const char*, EnumArray<Stance, bool, kStanceCount>& on)
    {
        std::uint64_t bits = 0;
        for (int i = 0; i < kStanceCount; ++i)
            bits |= std::uint64_t{on[static_cast<Stance>(i)]} << i;
        varint(bits);
    }
    void text(const char*, QString& value)
    {
        const QByteArray utf8 = value.toUtf8();
        varint(static_cast<std::uint64_t>(utf8.size()));
        bytes.append(utf8);
    }
    void className(const char*, QString& value)
    {
        std::uint64_t index = 0;
        for (std::size_t i = 0; i < classTable().size(); ++i)
            if (value == QString::fromUtf8(classTable()[i].name))
                index = i + 1;
        varint(index);
    }
    void picture(const char*, QString& value, const QStringList& names)
    {
        varint(static_cast<std::uint64_t>(names.indexOf(value) + 1));
    }

private:
    void varint(std::uint64_t v)
    {
        while (v >= 0x80) {
            bytes.append(static_cast<char>((v & 0x7F) | 0x80));
            v >>= 7;
        }
        bytes.append(static_cast<char>(v));
    }
};

class CodeReader {
public:
    explicit CodeReader(QByteArrayView bytes) : bytes_(bytes) {}
    bool failed = false;
    bool atEnd() const { return at_ == bytes_.size(); }

    template <typename F> void group(const char*, F&& f) { f(); }
    template <typename F> void list(const char*, int count, F&& f)
    {
        for (int i = 1; i <= count; ++i)
            f(i);
    }
    void number(const char*, double& value)
    {
        const std::uint64_t tag = varint();
        if (tag == 1) {
            std::uint64_t raw = 0;
            for (int i = 0; i < 8; ++i)
                raw |= std::uint64_t{byte()} << (8 * i);
            value = std::bit_cast<double>(raw);
            failed = failed || !std::isfinite(value);
        } else {
            failed = failed || (tag & 1) != 0;
            value = static_cast<double>(unzigzag(tag >> 1));
        }
    }
    void flag(const char*, bool& value)
    {
        const std::uint8_t b = byte();
        failed = failed || b > 1;
        value = b == 1;
    }
    template <typename T> void whole(const char*, T& value, T low, T high)
    {
        const std::int64_t v = unzigzag(varint());
        failed = failed || v < low || v > high;
        value = static_cast<T>(v);
    }
    void row(const char*, int& value)
    {
        const std::uint64_t v = varint();
        failed = failed || v > static_cast<std::uint64_t>(kBoardRows);
        value = static_cast<int>(v & 7);
    }
    template <std::size_t N> void flags(const char*, std::array<bool, N>& values)
    {
        const std::uint64_t bits = varint();
        failed = failed || (bits >> N) != 0;
        for (std::size_t i = 0; i < N; ++i)
            values[i] = ((bits >> i) & 1) != 0;
    }
    template <std::size_t N> void wholes(const char* key, std::array<std::int16_t, N>& values)
    {
        for (std::int16_t& v : values)
            whole(key, v, std::int16_t{-32768}, std::int16_t{32767});
    }
    void stances(const char*, EnumArray<Stance, bool, kStanceCount>& on)
    {
        const std::uint64_t bits = varint();
        failed = failed || (bits >> kStanceCount) != 0;
        for (int i = 0; i < kStanceCount; ++i)
            on[static_cast<Stance>(i)] = ((bits >> i) & 1) != 0;
    }
    void text(const char*, QString& value)
    {
        const std::uint64_t size = varint();
        if (failed || size > static_cast<std::uint64_t>(bytes_.size() - at_)) {
            failed = true;
            return;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        value = utf8(bytes_.sliced(at_, static_cast<qsizetype>(size)));
        failed = failed || utf8.hasError();
        at_ += static_cast<qsizetype>(size);
    }
    void className(const char*, QString& value)
    {
        const std::uint64_t index = varint();
        if (index > classTable().size()) {
            failed = true;
            return;
        }
        value = index == 0 ? QString() : QString::fromUtf8(classTable()[index - 1].name);
    }
    void picture(const char*, QString& value, const QStringList& names)
    {
        const std::uint64_t index = varint();
        if (index > static_cast<std::uint64_t>(names.size())) {
            failed = true;
            return;
        }
        value = index == 0 ? QString() : names.at(static_cast<qsizetype>(index - 1));
    }

private:
    std::uint8_t byte()
    {
        if (at_ >= bytes_.size()) {
            failed = true;
            return 0;
        }
        return static_cast<std::uint8_t>(bytes_[at_++]);
    }
    std::uint64_t varint()
    {
        std::uint64_t v = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const std::uint8_t b = byte();
            v |= std::uint64_t{b & 0x7Fu} << shift;
            if ((b & 0x80) == 0)
                return v;
        }
        failed = true;
        return 0;
    }

    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

BuildReading refused(const char* fault)
{
    BuildReading reading;
    reading.fault = QString::fromUtf8(fault);
    return reading;
}

const char* const kDamaged = "공유 코드가 손상되었습니다. 코드 전체를 빠짐없이 다시 복사해 주세요.";

} // namespace

QString encodeShareCode(const Build& build)
{
    Build copy = build;
    CodeWriter writer;
    writer.bytes.append(static_cast<char>(kPayloadVersion));
    buildfields::visitBuild(writer, copy);
    return shareCodeForPayload(writer.bytes);
}

QString shareCodeForPayload(const QByteArray& payload)
{
    QByteArray packed = qCompress(payload, 9);
    const std::uint32_t crc = crc32(packed);
    for (int i = 0; i < 4; ++i)
        packed.append(static_cast<char>((crc >> (8 * i)) & 0xFF));
    return QLatin1String(kShareCodePrefix) +
           QString::fromLatin1(packed.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

BuildReading decodeShareCode(const QString& code)
{
    QString text;
    text.reserve(code.size());
    for (QChar c : code)
        if (!c.isSpace())
            text.append(c);
    if (text.size() > 4 * kLargestPayload)
        return refused(kDamaged);
    const QLatin1String prefix(kShareCodePrefix);
    if (!text.startsWith(prefix)) {
        if (text.startsWith(QLatin1String("TSR")))
            return refused("이 공유 코드는 다른 판의 Tessarin에서 만들어져 읽을 수 없습니다.");
        return refused("Tessarin 공유 코드가 아닙니다 (\"TSR1-\"로 시작해야 합니다).");
    }
    const QString body = text.sliced(prefix.size());
    for (QChar c : body)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-' && c != u'_')
            return refused(kDamaged);
    const QByteArray ascii = body.toLatin1();
    const auto decoded = QByteArray::fromBase64Encoding(
        ascii, QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return refused(kDamaged);
    QByteArray packed = *decoded;
    // Only the one spelling the program writes is accepted: a change in the unused bits of the last
    // character would otherwise read as the same bytes.
    if (packed.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals) != ascii || packed.size() < 8)
        return refused(kDamaged);
    std::uint32_t stored = 0;
    for (int i = 0; i < 4; ++i)
        stored |= std::uint32_t{static_cast<std::uint8_t>(packed[packed.size() - 4 + i])} << (8 * i);
    packed.chop(4);
    if (crc32(packed) != stored)
        return refused(kDamaged);
    const std::uint32_t claimed = (std::uint32_t{static_cast<std::uint8_t>(packed[0])} << 24) |
                                  (std::uint32_t{static_cast<std::uint8_t>(packed[1])} << 16) |
                                  (std::uint32_t{static_cast<std::uint8_t>(packed[2])} << 8) |
                                  std::uint32_t{static_cast<std::uint8_t>(packed[3])};
    if (claimed == 0 || claimed > kLargestPayload)
        return refused(kDamaged);
    const QByteArray payload = qUncompress(packed);
    if (payload.isEmpty() || static_cast<std::uint8_t>(payload[0]) != kPayloadVersion)
        return refused(kDamaged);
    Build build;
    CodeReader reader(QByteArrayView(payload).sliced(1));
    buildfields::visitBuild(reader, build);
    if (reader.failed || !reader.atEnd())
        return refused(kDamaged);
    if (const QString fault = buildFault(build); !fault.isEmpty()) {
        BuildReading reading;
        reading.fault = fault;
        return reading;
    }
    BuildReading reading;
    reading.build = std::move(build);
    return reading;
}

} // namespace tessarin
