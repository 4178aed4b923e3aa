#include "colour/ColourMix.h"

#include <QTest>

using namespace morvane;

class TestColourMix : public QObject {
    Q_OBJECT
private slots:
    void mixesPerByteWithDivisor256_data();
    void mixesPerByteWithDivisor256();
    void convertsToAndFromQColor();
};

void TestColourMix::mixesPerByteWithDivisor256_data()
{
    QTest::addColumn<quint32>("a");
    QTest::addColumn<quint32>("b");
    QTest::addColumn<int>("weight");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("design base and shade") << 10342374u << 128u << 127 << 5072562u;
    QTest::newRow("white with itself loses one") << 16777215u << 16777215u << 127 << 16711422u;
    QTest::newRow("weight 0 gives b") << 16777215u << 0u << 0 << 0u;
    QTest::newRow("weight 255 gives 255/256 of a") << 16777215u << 0u << 255 << 16711422u;
    QTest::newRow("only the low 8 bits of the weight") << 16777215u << 0u << (256 + 255) << 16711422u;
    QTest::newRow("high byte of the inputs ignored") << 0xFF0000FFu << 0u << 255 << 0x000000FEu;
}

void TestColourMix::mixesPerByteWithDivisor256()
{
    QFETCH(quint32, a);
    QFETCH(quint32, b);
    QFETCH(int, weight);
    QFETCH(quint32, expected);
    QCOMPARE(MixColors(a, b, weight), expected);
}

void TestColourMix::convertsToAndFromQColor()
{
    // Red sits in the low byte: #B2664D is 5072562.
    QCOMPARE(toQColor(5072562), QColor(0xB2, 0x66, 0x4D));
    QCOMPARE(toColourValue(QColor(0xE6, 0xCF, 0x9D)), ColourValue(10342374));
    QCOMPARE(colourValue(0x80, 0, 0), ColourValue(128));
}

QTEST_GUILESS_MAIN(TestColourMix)
#include "tst_colourmix.moc"
