// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures' conversion from premultiplied to straight alpha is exact: every
// one of the 65,536 value and alpha pairs gives the nearest straight value.

#include "straightalpha.h"

#include <QTest>

class TestStraightAlpha : public QObject
{
    Q_OBJECT

private slots:
    // value * 255 / alpha to the nearest integer, a half upward, stated as
    // |2 * alpha * straight - 510 * value| <= alpha without any division.
    void everyValueAndAlphaGiveTheNearestStraightValue()
    {
        int ties = 0;
        for (int alpha = 0; alpha < 256; ++alpha)
            for (int value = 0; value < 256; ++value) {
                const int straight = art::straightchannel(value, alpha);
                if (alpha == 0) {
                    QCOMPARE(straight, 0);
                    continue;
                }
                if (value > alpha) { // no drawing makes it; kept in range
                    QCOMPARE(straight, 255);
                    continue;
                }
                const int error = 2 * alpha * straight - 2 * 255 * value;
                if (error < -alpha || error > alpha || error == -alpha)
                    QFAIL(qPrintable(QStringLiteral("value %1 alpha %2 gave %3").arg(value).arg(alpha).arg(straight)));
                ties += error == alpha;
            }
        QVERIFY(ties > 0); // the halves were met, and went up
    }

    // Each channel on its own, alpha as it was, every pair in every channel.
    void imagesConvertEachChannelAndKeepAlpha()
    {
        QImage premultiplied(256, 256, QImage::Format_ARGB32_Premultiplied);
        for (int alpha = 0; alpha < 256; ++alpha) {
            auto *line = reinterpret_cast<QRgb *>(premultiplied.scanLine(alpha));
            for (int value = 0; value < 256; ++value)
                line[value] = qRgba(value, 255 - value, value / 2, alpha);
        }
        const QImage straight = art::straightalpha(premultiplied);
        QCOMPARE(straight.format(), QImage::Format_ARGB32);
        QCOMPARE(straight.size(), premultiplied.size());
        for (int alpha = 0; alpha < 256; ++alpha)
            for (int value = 0; value < 256; ++value) {
                const QRgb expected = qRgba(art::straightchannel(value, alpha),
                    art::straightchannel(255 - value, alpha), art::straightchannel(value / 2, alpha), alpha);
                if (straight.pixel(value, alpha) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, not %4")
                                         .arg(value)
                                         .arg(alpha)
                                         .arg(straight.pixel(value, alpha), 8, 16)
                                         .arg(expected, 8, 16)));
            }
    }

    // Any other format would need Qt's conversion first: refused, so saving fails.
    void otherFormatsAreRefused()
    {
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(qRgba(10, 20, 30, 40));
        QVERIFY(art::straightalpha(image).isNull());
    }
};

QTEST_APPLESS_MAIN(TestStraightAlpha)
#include "tst_straightalpha.moc"
