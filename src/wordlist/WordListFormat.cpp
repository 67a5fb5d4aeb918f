#include "wordlist/WordListFormat.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char* kCodecName = "windows-1252";
constexpr quint16 kUtf16Marker = 0xFFFE;
constexpr quint16 kLongLength = 0xFFFF;

// Reads the data front to back; every read checks the bytes that are left first.
class Reader
{
public:
    explicit Reader(const QByteArray& bytes) : m_data(bytes.constData()), m_size(bytes.size()) {}

    qint64 remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos >= m_size; }

    bool readU8(quint32& v)
    {
        if (remaining() < 1)
            return false;
        v = static_cast<quint8>(m_data[m_pos++]);
        return true;
    }
    bool readU16(quint32& v)
    {
        if (remaining() < 2)
            return false;
        v = byteAt(0) | (byteAt(1) << 8);
        m_pos += 2;
        return true;
    }
    bool readU32(quint32& v)
    {
        if (remaining() < 4)
            return false;
        v = byteAt(0) | (byteAt(1) << 8) | (byteAt(2) << 16) | (byteAt(3) << 24);
        m_pos += 4;
        return true;
    }
    const char* take(qint64 n)
    {
        if (n < 0 || n > remaining())
            return nullptr;
        const char* p = m_data + m_pos;
        m_pos += n;
        return p;
    }

private:
    quint32 byteAt(qint64 i) const { return static_cast<quint8>(m_data[m_pos + i]); }

    const char* m_data;
    qint64 m_size;
    qint64 m_pos = 0;
};

// The length that follows a 0xFF byte (or the start of a UTF-16 word's count): a 16-bit value,
// or 0xFFFF and a 32-bit value.
bool readWideLength(Reader& in, quint32 w, quint32& length)
{
    if (w != kLongLength) {
        length = w;
        return true;
    }
    return in.readU32(length);
}

// Reads one length prefix. Sets utf16 when the word is in the UTF-16 form.
bool readPrefix(Reader& in, quint32& length, bool& utf16)
{
    utf16 = false;
    quint32 b = 0;
    if (!in.readU8(b))
        return false;
    if (b < 0xFF) {
        length = b;
        return true;
    }
    quint32 w = 0;
    if (!in.readU16(w))
        return false;
    if (w == kUtf16Marker) {
        utf16 = true;
        if (!in.readU8(b))
            return false;
        if (b < 0xFF) {
            length = b;
            return true;
        }
        if (!in.readU16(w))
            return false;
        // Inside a UTF-16 word's count, 0xFFFE is a plain length.
    }
    return readWideLength(in, w, length);
}

void appendLength(QByteArray& out, quint32 n)
{
    if (n < 0xFF) {
        out.append(static_cast<char>(n));
    } else if (n < 0xFFFE) {
        out.append(static_cast<char>(0xFF));
        out.append(static_cast<char>(n & 0xFF));
        out.append(static_cast<char>((n >> 8) & 0xFF));
    } else {
        out.append(static_cast<char>(0xFF));
        out.append(static_cast<char>(0xFF));
        out.append(static_cast<char>(0xFF));
        for (int shift = 0; shift < 32; shift += 8)
            out.append(static_cast<char>((n >> shift) & 0xFF));
    }
}

// Opening the codec is costly (it comes from ICU), so each thread keeps one of each.
QStringEncoder& encoder()
{
    thread_local QStringEncoder e(kCodecName, QStringConverter::Flag::Stateless);
    e.resetState();
    return e;
}

QStringDecoder& decoder()
{
    thread_local QStringDecoder d(kCodecName, QStringConverter::Flag::Stateless);
    d.resetState();
    return d;
}

// Windows-1252 bytes of the word, or false when the codec cannot hold it exactly. A character
// the codec lacks comes out as a substitute (or a look-alike), so the word fits exactly when it
// converts back unchanged. (The converters are reused, and their error count is not reset with
// their state, so it is not consulted.)
bool toWindows1252(const QString& word, QByteArray& bytes)
{
    QStringEncoder& enc = encoder();
    if (!enc.isValid())
        return false;
    bytes = enc.encode(word);
    return decoder().decode(bytes) == word;
}

} // namespace

bool WordListFormat::codecAvailable()
{
    return QStringDecoder(kCodecName).isValid() && QStringEncoder(kCodecName).isValid();
}

bool WordListFormat::fitsWindows1252(const QString& word)
{
    QByteArray bytes;
    return toWindows1252(word, bytes);
}

void WordListFormat::appendWord(QByteArray& out, const QString& word)
{
    QByteArray narrow;
    if (toWindows1252(word, narrow) && narrow.size() <= qsizetype(0xFFFFFFFFu)) {
        appendLength(out, static_cast<quint32>(narrow.size()));
        out.append(narrow);
        return;
    }
    // The UTF-16 form: 0xFF, the marker 0xFFFE, the character count, UTF-16LE text.
    const qsizetype count = qMin<qsizetype>(word.size(), qsizetype(0xFFFFFFFFu));
    out.append(static_cast<char>(0xFF));
    out.append(static_cast<char>(kUtf16Marker & 0xFF));
    out.append(static_cast<char>(kUtf16Marker >> 8));
    appendLength(out, static_cast<quint32>(count));
    out.reserve(out.size() + 2 * count);
    for (qsizetype i = 0; i < count; ++i) {
        const char16_t u = word.at(i).unicode();
        out.append(static_cast<char>(u & 0xFF));
        out.append(static_cast<char>(u >> 8));
    }
}

QByteArray WordListFormat::encode(const QStringList& words)
{
    QByteArray out;
    for (const QString& word : words)
        appendWord(out, word);
    return out;
}

QStringList WordListFormat::decode(const QByteArray& bytes, bool* complete)
{
    QStringList words;
    Reader in(bytes);
    QStringDecoder& narrow = decoder();
    bool ok = true;
    while (!in.atEnd()) {
        quint32 length = 0;
        bool utf16 = false;
        if (!readPrefix(in, length, utf16)) {
            ok = false;
            break;
        }
        // The length is checked against what is left before anything is allocated for it.
        const qint64 byteCount = utf16 ? 2 * qint64(length) : qint64(length);
        const char* p = in.take(byteCount);
        if (!p) {
            ok = false;
            break;
        }
        if (utf16) {
            QString word(static_cast<qsizetype>(length), Qt::Uninitialized);
            QChar* out = word.data();
            for (quint32 i = 0; i < length; ++i) {
                const auto lo = static_cast<quint8>(p[2 * i]);
                const auto hi = static_cast<quint8>(p[2 * i + 1]);
                out[i] = QChar(static_cast<char16_t>(lo | (hi << 8)));
            }
            words.append(word);
        } else if (narrow.isValid()) {
            words.append(narrow.decode(QByteArrayView(p, byteCount)));
        } else {
            words.append(QString::fromLatin1(p, byteCount));
        }
    }
    if (complete)
        *complete = ok;
    return words;
}
