#include "platform/Ansi.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One conversion descriptor per direction and thread; iconv_open is costly.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; on an invalid sequence calls onInvalid with the
    // output so far and skips `skip` input bytes.
    template <typename OnInvalid>
    QByteArray run(const char* in, size_t inLeft, size_t skip, OnInvalid onInvalid) {
        QByteArray out;
        if (!valid() || inLeft == 0)
            return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.resize(qsizetype(inLeft * 2 + 16));
        char* src = const_cast<char*>(in);
        size_t written = 0;
        while (inLeft > 0) {
            char* dst = out.data() + written;
            size_t outLeft = size_t(out.size()) - written;
            size_t rc = iconv(cd_, &src, &inLeft, &dst, &outLeft);
            written = size_t(out.size()) - outLeft;
            if (rc != size_t(-1))
                break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
            } else {
                // EILSEQ or EINVAL (a sequence cut off at the end).
                out.resize(qsizetype(written));
                onInvalid(out);
                written = size_t(out.size());
                out.resize(qsizetype(written + inLeft * 2 + 16));
                size_t n = std::min(skip, inLeft);
                src += n;
                inLeft -= n;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        out.resize(qsizetype(written));
        return out;
    }

private:
    iconv_t cd_;
};

Converter& toGb() {
    thread_local Converter c("GB18030", "UTF-16LE");
    return c;
}

Converter& fromGb() {
    thread_local Converter c("UTF-16LE", "GB18030");
    return c;
}

} // namespace

namespace Ansi {

QByteArray encode(const QString& text) {
    const auto* data = reinterpret_cast<const char*>(text.utf16());
    // A lone surrogate cannot be encoded: it becomes "?".
    return toGb().run(data, size_t(text.size()) * 2, 2, [](QByteArray& out) { out.append('?'); });
}

QString decode(QByteArrayView bytes) {
    QByteArray utf16 = fromGb().run(bytes.data(), size_t(bytes.size()), 1, [](QByteArray& out) {
        const char16_t replacement = 0xFFFD;
        out.append(reinterpret_cast<const char*>(&replacement), 2);
    });
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
}

qsizetype byteLength(const QString& text) {
    return encode(text).size();
}

QString cutToBytes(const QString& text, qsizetype maxBytes) {
    qsizetype used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype chars = pair ? 2 : 1;
        const qsizetype bytes = text[i].unicode() < 0x80 ? 1 : byteLength(text.mid(i, chars));
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        i += chars;
    }
    return text.left(i);
}

} // namespace Ansi
