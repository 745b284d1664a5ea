// The program's own Windows-1252 table agrees with Qt's (ICU's) decoder for
// every byte, the five undefined ones included, so texts look the same in the
// files and on the screen.
#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include "elements/cp1252.h"

namespace {

TEST(Cp1252AgainstQt, EveryByteDecodesAsQtDecodesIt) {
    QStringDecoder decoder("windows-1252");
    ASSERT_TRUE(decoder.isValid());
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const QString qt = decoder.decode(QByteArray(&byte, 1));
        EXPECT_EQ(QString::fromStdString(cp1252::toUtf8(std::string(1, byte))), qt) << b;
    }
}

TEST(Cp1252AgainstQt, CharactersQtCanEncodeEncodeTheSame) {
    QStringEncoder encoder("windows-1252");
    ASSERT_TRUE(encoder.isValid());
    for (char32_t cp : {U'a', U'\u00E4', U'\u20AC', U'\u0178', U'\u2122', U'\u0081', U'\u009D'}) {
        const QString text = QString::fromUcs4(&cp, 1);
        const QByteArray qt = encoder.encode(text);
        ASSERT_EQ(qt.size(), 1);
        EXPECT_EQ(cp1252::fromUnicode(cp), qt[0]) << static_cast<unsigned>(cp);
    }
}

}  // namespace
