#include "storage/build_file.h"

#include "data/classes.h"
#include "storage/build_fields.h"
#include "storage/whole_file.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <cmath>
#include <vector>

namespace tessarin {

namespace {

// Writes the fields into nested JSON objects.
class JsonWriter {
public:
    QJsonObject root;

    template <typename F> void group(const char* key, F&& f)
    {
        objects_.push_back({});
        f();
        QJsonObject done = objects_.back();
        objects_.pop_back();
        put(key, done);
    }
    template <typename F> void list(const char* key, int count, F&& f)
    {
        QJsonArray items;
        for (int i = 1; i <= count; ++i) {
            objects_.push_back({});
            f(i);
            items.append(objects_.back());
            objects_.pop_back();
        }
        put(key, items);
    }
    void number(const char* key, double& value) { put(key, value); }
    void flag(const char* key, bool& value) { put(key, value); }
    template <typename T> void whole(const char* key, T& value, T, T) { put(key, static_cast<int>(value)); }
    void row(const char* key, int& value) { put(key, value == 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(value)); }
    template <std::size_t N> void flags(const char* key, std::array<bool, N>& values)
    {
        QJsonArray items;
        for (bool b : values)
            items.append(b);
        put(key, items);
    }
    template <std::size_t N> void wholes(const char* key, std::array<std::int16_t, N>& values)
    {
        QJsonArray items;
        for (std::int16_t v : values)
            items.append(static_cast<int>(v));
        put(key, items);
    }
    void stances(const char* key, EnumArray<Stance, bool, kStanceCount>& on)
    {
        QJsonArray names;
        for (int i = 0; i < kStanceCount; ++i)
            if (on[static_cast<Stance>(i)])
                names.append(stanceNames()[static_cast<std::size_t>(i)]);
        put(key, names);
    }
    void text(const char* key, QString& value) { put(key, value); }
    void className(const char* key, QString& value) { put(key, value); }
    void picture(const char* key, QString& value, const QStringList&) { put(key, value); }

private:
    void put(const char* key, const QJsonValue& value)
    {
        (objects_.empty() ? root : objects_.back()).insert(QLatin1String(key), value);
    }
    std::vector<QJsonObject> objects_;
};

// Reads the fields back, stopping at the first one that is missing, mistyped or out of range.
class JsonReader {
public:
    explicit JsonReader(QJsonObject root) { objects_.push_back(std::move(root)); }
    QString fault;

    template <typename F> void group(const char* key, F&& f)
    {
        const QJsonValue value = get(key);
        if (fault.isEmpty() && !value.isObject())
            mistyped(key, "객체");
        if (!fault.isEmpty())
            return;
        enter(key, value.toObject());
        f();
        leave();
    }
    template <typename F> void list(const char* key, int count, F&& f)
    {
        const QJsonArray items = array(key, count);
        for (int i = 1; i <= count && fault.isEmpty(); ++i) {
            const QJsonValue item = items.at(i - 1);
            const QString name = QStringLiteral("%1[%2]").arg(QLatin1String(key)).arg(i);
            if (!item.isObject()) {
                fault = QStringLiteral("'%1'의 형식이 맞지 않습니다 (필요한 형식: 객체).").arg(path(name));
                return;
            }
            enter(name, item.toObject());
            f(i);
            leave();
        }
    }
    void number(const char* key, double& value)
    {
        const QJsonValue v = get(key);
        if (fault.isEmpty() && !v.isDouble())
            mistyped(key, "수");
        if (!fault.isEmpty())
            return;
        value = v.toDouble();
        if (!std::isfinite(value))
            fault = QStringLiteral("'%1'의 값이 유한한 수가 아닙니다.").arg(path(key));
    }
    void flag(const char* key, bool& value)
    {
        const QJsonValue v = get(key);
        if (fault.isEmpty() && !v.isBool())
            mistyped(key, "참/거짓");
        if (fault.isEmpty())
            value = v.toBool();
    }
    template <typename T> void whole(const char* key, T& value, T low, T high)
    {
        const QJsonValue v = get(key);
        if (fault.isEmpty())
            value = static_cast<T>(wholeIn(v, path(key), low, high));
    }
    void row(const char* key, int& value)
    {
        const QJsonValue v = get(key);
        if (!fault.isEmpty())
            return;
        value = v.isNull() ? 0 : wholeIn(v, path(key), 1, kBoardRows);
    }
    template <std::size_t N> void flags(const char* key, std::array<bool, N>& values)
    {
        const QJsonArray items = array(key, static_cast<int>(N));
        for (std::size_t i = 0; i < N && fault.isEmpty(); ++i) {
            if (!items.at(static_cast<qsizetype>(i)).isBool())
                fault = QStringLiteral("'%1[%2]'의 형식이 맞지 않습니다 (필요한 형식: 참/거짓).").arg(path(key)).arg(i + 1);
            values[i] = items.at(static_cast<qsizetype>(i)).toBool();
        }
    }
    template <std::size_t N> void wholes(const char* key, std::array<std::int16_t, N>& values)
    {
        const QJsonArray items = array(key, static_cast<int>(N));
        for (std::size_t i = 0; i < N && fault.isEmpty(); ++i)
            values[i] = static_cast<std::int16_t>(wholeIn(items.at(static_cast<qsizetype>(i)),
                                                          QStringLiteral("%1[%2]").arg(path(key)).arg(i + 1), -32768,
                                                          32767));
    }
    void stances(const char* key, EnumArray<Stance, bool, kStanceCount>& on)
    {
        const QJsonValue v = get(key);
        if (fault.isEmpty() && !v.isArray())
            mistyped(key, "배열");
        if (!fault.isEmpty())
            return;
        for (const QJsonValue& name : v.toArray()) {
            const std::optional<Stance> stance = stanceByName(name.toString());
            if (!name.isString() || !stance) {
                fault = QStringLiteral("'%1'에 없는 자세 '%2'이(가) 있습니다.")
                            .arg(path(key), name.isString() ? name.toString() : QStringLiteral("?"));
                return;
            }
            on[*stance] = true;
        }
    }
    void text(const char* key, QString& value)
    {
        const QJsonValue v = get(key);
        if (fault.isEmpty() && !v.isString())
            mistyped(key, "글");
        if (fault.isEmpty())
            value = v.toString();
    }
    void className(const char* key, QString& value)
    {
        text(key, value);
        if (fault.isEmpty() && !value.isEmpty() && !findClass(value))
            fault = QStringLiteral("'%1'의 '%2'은(는) 없는 직업입니다.").arg(path(key), value);
    }
    void picture(const char* key, QString& value, const QStringList& names)
    {
        text(key, value);
        if (fault.isEmpty() && !value.isEmpty() && !names.contains(value))
            fault = QStringLiteral("'%1'의 '%2'은(는) 이 프로그램의 그림이 아닙니다.").arg(path(key), value);
    }

private:
    QJsonValue get(const char* key)
    {
        if (!fault.isEmpty())
            return {};
        const QJsonObject& object = objects_.back();
        const auto found = object.constFind(QLatin1String(key));
        if (found == object.constEnd()) {
            fault = QStringLiteral("'%1' 항목이 없습니다.").arg(path(key));
            return {};
        }
        return *found;
    }
    QJsonArray array(const char* key, int count)
    {
        const QJsonValue v = get(key);
        if (fault.isEmpty() && (!v.isArray() || v.toArray().size() != count))
            fault = QStringLiteral("'%1'은(는) 항목 %2개의 배열이어야 합니다.").arg(path(key)).arg(count);
        return v.toArray();
    }
    int wholeIn(const QJsonValue& v, const QString& where, int low, int high)
    {
        const double d = v.toDouble(std::nan(""));
        if (!v.isDouble() || d != std::floor(d)) {
            fault = QStringLiteral("'%1'의 형식이 맞지 않습니다 (필요한 형식: 정수).").arg(where);
            return 0;
        }
        if (d < low || d > high) {
            fault = QStringLiteral("'%1'의 값 %2은(는) %3부터 %4까지여야 합니다.").arg(where).arg(d).arg(low).arg(high);
            return 0;
        }
        return static_cast<int>(d);
    }
    void mistyped(const char* key, const char* kind)
    {
        fault = QStringLiteral("'%1'의 형식이 맞지 않습니다 (필요한 형식: %2).").arg(path(key), QString::fromUtf8(kind));
    }
    QString path(const QString& key) const
    {
        return names_.isEmpty() ? key : names_.join(u'.') + u'.' + key;
    }
    QString path(const char* key) const { return path(QString::fromLatin1(key)); }
    void enter(const QString& name, QJsonObject object)
    {
        names_.append(name);
        objects_.push_back(std::move(object));
    }
    void enter(const char* name, QJsonObject object) { enter(QString::fromLatin1(name), std::move(object)); }
    void leave()
    {
        names_.removeLast();
        objects_.pop_back();
    }

    std::vector<QJsonObject> objects_;
    QStringList names_;
};

BuildReading refused(QString fault)
{
    BuildReading reading;
    reading.fault = std::move(fault);
    return reading;
}

} // namespace

QByteArray encodeBuildFile(const Build& build)
{
    Build copy = build;
    JsonWriter writer;
    writer.root.insert(QStringLiteral("format"), QLatin1String(kBuildFormatName));
    writer.root.insert(QStringLiteral("version"), kBuildFileVersion);
    buildfields::visitBuild(writer, copy);
    return QJsonDocument(writer.root).toJson(QJsonDocument::Indented);
}

BuildReading decodeBuildFile(const QByteArray& bytes)
{
    if (bytes.size() > kLargestBuildFile)
        return refused(QStringLiteral("파일이 너무 큽니다 (1 MiB까지)."));
    // QJsonDocument would replace broken UTF-8 silently; a file that is not UTF-8 text is refused.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8(bytes));
    if (utf8.hasError())
        return refused(QStringLiteral("UTF-8 글로 읽을 수 없는 바이트가 있습니다."));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refused(QStringLiteral("Tessarin 캐릭터 파일이 아닙니다 (JSON 문서가 아닙니다)."));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kBuildFormatName))
        return refused(QStringLiteral("Tessarin 캐릭터 파일이 아닙니다."));
    const QJsonValue version = root.value(QStringLiteral("version"));
    const double v = version.toDouble(0);
    if (!version.isDouble() || v != std::floor(v) || v < 1)
        return refused(QStringLiteral("파일의 판 번호가 올바르지 않습니다."));
    if (v > kBuildFileVersion)
        return refused(QStringLiteral("이 파일은 더 새로운 판(%1)의 Tessarin에서 저장되었습니다. 이 판은 %2판까지 읽습니다.")
                           .arg(v)
                           .arg(kBuildFileVersion));
    Build build;
    JsonReader reader(root);
    buildfields::visitBuild(reader, build);
    if (!reader.fault.isEmpty())
        return refused(reader.fault);
    if (const QString fault = buildFault(build); !fault.isEmpty())
        return refused(fault);
    BuildReading reading;
    reading.build = std::move(build);
    return reading;
}

QString saveBuildFile(const QString& path, const Build& build)
{
    const QByteArray bytes = encodeBuildFile(build);
    if (QFileInfo::exists(path)) {
        // The file being replaced is kept beside it first; without that copy nothing is replaced.
        const std::optional<QByteArray> previous = readWholeFile(path, kLargestBuildFile);
        if (previous && !writeWholeFile(path + u'~', *previous))
            return QStringLiteral("이전 파일의 사본(%1~)을 만들 수 없어 저장하지 않았습니다.")
                .arg(QFileInfo(path).fileName());
    }
    if (!writeWholeFile(path, bytes))
        return QStringLiteral("파일을 쓸 수 없어 저장하지 않았습니다. 이전 파일은 그대로입니다.");
    return {};
}

BuildReading loadBuildFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refused(QStringLiteral("파일이 없습니다."));
    if (info.isFile() && info.size() > kLargestBuildFile)
        return refused(QStringLiteral("파일이 너무 큽니다 (1 MiB까지)."));
    const std::optional<QByteArray> bytes = readWholeFile(path, kLargestBuildFile);
    if (!bytes)
        return refused(QStringLiteral("파일을 읽을 수 없습니다."));
    return decodeBuildFile(*bytes);
}

} // namespace tessarin
