// rusk-server's own request-side parsing on the fuzzer's bytes: each parser takes the whole
// input (as a login form, a Cookie header, an Authorization header, a stored password line and
// text for the log), and the bytes also go back through them inside what a client would send.
//
// Properties: a form value is found again when sent %-encoded; the form parser refuses a body
// over its bound; a cookie value holds no ';' and comes from the header; a password sent as
// basic auth or as a bearer token is the one read back; a stored password line that parses
// has the salt and key sizes written and reads back equal once written again; a log line holds
// no control character and stays short; the constant-time comparison is equality; an indicator
// page's number is a plain number below the count.

#include <QByteArray>
#include <QChar>

#include "FuzzSupport.h"
#include "server/Access.h"
#include "server/IndicatorPage.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const auto value = FormValue(bytes, "password");
    FUZZ_CHECK(bytes.size() <= kMaxFormBytes || !value, "a form over its bound is refused");
    QByteArray encoded;  // as a browser sends it: every byte %-escaped but letters and digits
    for (char c : bytes)
        encoded += QChar::isLetterOrNumber(uchar(c)) && uchar(c) < 0x80
                       ? QByteArray(1, c)
                       : "%" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
    const QByteArray sent = "a=1&password=" + encoded + "&password=x";
    if (sent.size() <= kMaxFormBytes)
        FUZZ_CHECK(FormValue(sent, "password") == bytes, "a %-encoded form value is read back");

    const QByteArray cookie = CookieValue(bytes, "rusk_session");
    FUZZ_CHECK(!cookie.contains(';') && (cookie.isEmpty() || bytes.contains(cookie)),
               "a cookie value is one of the header's");
    if (!bytes.contains(';') && bytes.trimmed() == bytes && !bytes.isEmpty() &&
        !(bytes.startsWith('"') && bytes.endsWith('"')))
        FUZZ_CHECK(
            CookieValue("theme=dark; rusk_session=" + bytes + "; x=1", "rusk_session") == bytes,
            "a session cookie is read back");

    (void)AuthorizationPassword(bytes);
    FUZZ_CHECK(AuthorizationPassword("Basic " + ("user:" + bytes).toBase64()) == bytes,
               "a basic auth password is read back");
    if (!bytes.trimmed().isEmpty() && bytes.trimmed() == bytes)
        FUZZ_CHECK(AuthorizationPassword("Bearer " + bytes) == bytes,
                   "a bearer token is read back");

    if (const auto hash = ParsePasswordHash(bytes)) {
        FUZZ_CHECK(hash->salt.size() >= 16 && hash->key.size() == 32, "salt and key sizes");
        const auto again = ParsePasswordHash(FormatPasswordHash(*hash));
        FUZZ_CHECK(again && again->iterations == hash->iterations && again->salt == hash->salt &&
                       again->key == hash->key,
                   "a stored password reads back equal");
    }

    const QByteArray line = LogSafe(bytes);
    for (char c : line)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "no control in a log line");
    FUZZ_CHECK(line.size() <= 210, "a log line stays short");

    const qsizetype half = bytes.size() / 2;
    FUZZ_CHECK(ConstantTimeEqual(bytes.first(half), bytes.sliced(half, half)) ==
                   (bytes.first(half) == bytes.sliced(half, half)),
               "the comparison is equality");

    // An indicator page's "?i=N": only a plain number below the count names one.
    const QString asked = QString::fromUtf8(bytes);
    if (const auto index = IndicatorIndex(asked, 64))
        FUZZ_CHECK(*index >= 0 && *index < 64 && QString::number(*index) == asked,
                   "an indicator number is plain and in range");
    return 0;
}
