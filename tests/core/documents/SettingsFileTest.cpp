#include "core/documents/SettingsFile.h"

#include <QBuffer>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

namespace
{

// Little-endian 32-bit integers, then optional raw bytes.
QByteArray le(std::initializer_list<int> valueSet)
{
    QByteArray b;
    for (int w : valueSet)
        for (int k = 0; k < 4; ++k)
            b.append(static_cast<char>((static_cast<unsigned>(w) >> (8 * k)) & 0xFFu));
    return b;
}

// Takes or gives `grenze` bytes, then fails.
class BrechendesGeraet : public QIODevice
{
public:
    BrechendesGeraet(QByteArray payload, qint64 grenze) : m_daten(std::move(payload)), m_grenze(grenze) {}

protected:
    qint64 readData(char* target, qint64 max) override
    {
        const qint64 n = std::min({max, m_grenze - pos(), static_cast<qint64>(m_daten.size()) - pos()});
        if (n <= 0)
            return -1;
        std::memcpy(target, m_daten.constData() + pos(), static_cast<std::size_t>(n));
        return n;
    }
    qint64 writeData(const char*, qint64 len) override
    {
        const qint64 n = std::min(len, m_grenze - m_geschrieben);
        if (n <= 0)
            return -1;
        m_geschrieben += n;
        return n;
    }

private:
    QByteArray m_daten;
    qint64 m_grenze;
    qint64 m_geschrieben = 0;
};

FixSnapshot currentState(int basis)
{
    FixSnapshot f;
    f.fixRealistisch = 1;
    f.fixModus = 2;
    f.fixPosGross = basis;
    f.fixWinkeltyp = 2;
    f.fixAbstand1 = 117;
    f.fixAbstand2 = 5;
    f.fixSeparat = 1;
    f.fixHdPunkte = {1, 2, 3, 4, 5, 6, 7, -8};
    f.fixPosGross2 = basis;
    f.fixPosRechts = 339;
    f.fixPosLinks = 413;
    f.fixPosMitte = 67;
    f.fixStufenIndex = 6;
    f.fixTextStattFlaechen = 1; // never written: slot 22 is the display's
    return f;
}

ParsedFile lies(const QByteArray& bytes, bool twoBlocks)
{
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    return readIn(puffer, twoBlocks);
}

} // namespace

TEST(SettingsFileFormat, BlocksSitAtTheirOffsetsAndBlockOneIsAlwaysTheRightHandCombination)
{
    const ValueTexts upper{"218", "37", "29", "#DA251D"};
    const ValueTexts unten{"1", "-2", "300", "#00928D"};
    const FileOptions options{.websicher = true, .textInstead = false, .fixiert = true};
    const QByteArray right =
        le({1, 2, 500, 2, 117, 5, 1, 1, 2, 3, 4, 5, 6, 7, -8, 500, 339, 413, 67, 6, 1, 0, 218, 37, 29}) +
        "#DA251D" + le({1});
    const QByteArray left =
        le({1, 2, 100, 2, 117, 5, 1, 1, 2, 3, 4, 5, 6, 7, -8, 100, 339, 413, 67, 6, 1, 0, 1, -2, 300}) +
        "#00928D" + le({1});

    const QByteArray rechtsBearbeitet =
        encode(fileBlocks(currentState(500), currentState(100), false, options, upper, unten));
    EXPECT_EQ(rechtsBearbeitet, right + left);
    EXPECT_EQ(encode(fileBlocks(currentState(100), currentState(500), true, options, upper, unten)),
              rechtsBearbeitet);
}

TEST(SettingsFileFormat, TextsThatAreNoNumberOrHexFallBackToZeroAndBlanksThenToBlockOne)
{
    const FileOptions aus{};
    const QByteArray ohneZahlen = encode(fileBlocks(currentState(1), currentState(2), false, aus,
                                                    {"", "x", "12", "#ABC"}, {"", "", "7", "#12345678"}));
    EXPECT_EQ(ohneZahlen.mid(88, 19), le({0, 0, 12}) + "       ");
    EXPECT_EQ(ohneZahlen.mid(111 + 88, 19), le({0, 0, 7}) + "       ");

    const QByteArray unteZeileLeer = encode(fileBlocks(currentState(1), currentState(2), false, aus,
                                                       {"218", "37", "29", "#DA251D"}, {"a", "", "", "#1"}));
    EXPECT_EQ(unteZeileLeer.mid(111 + 88, 19), le({218, 37, 29}) + "#DA251D");
}

TEST(SettingsFileFormat, ReadingStopsWhereTheDataEndsAndReadsBlockTwoOnlyForAFixedTwoBlockFile)
{
    const QByteArray block1 =
        le({0, 4, 677, 1, 40, 34, 0, 0, 255, 0, 255, 0, 255, 0, 255, 677, 339, 413, 67, 3, 0, 0, 9, 8, 7}) +
        "#090807";
    const QByteArray block2 =
        le({1, 1, 5, 1, 40, 34, 0, 0, 255, 0, 255, 0, 255, 0, 255, 5, 339, 413, 67, 3, 0, 0, 9, 8, 7}) +
        "#090807";
    const QByteArray unfixiert = block1 + le({0}) + block2 + le({0});
    const QByteArray fixiert = block1 + le({1}) + block2 + le({1});

    const ParsedFile a = lies(unfixiert, true);
    ASSERT_TRUE(a.block1 && a.fixiert);
    EXPECT_TRUE(a.fullyRead);
    EXPECT_EQ(a.block1->valueSet[3], 677);
    EXPECT_EQ(a.block1->hex, QByteArray("#090807"));
    EXPECT_EQ(*a.fixiert, 0);
    EXPECT_FALSE(a.block2);

    const ParsedFile b = lies(fixiert.left(218), true); // block 2's own flag is not read
    ASSERT_TRUE(b.block2);
    EXPECT_TRUE(b.fullyRead);
    EXPECT_EQ(b.block2->valueSet[2], 1);

    const ParsedFile einzeln = lies(fixiert.left(107), false);
    EXPECT_TRUE(einzeln.fullyRead);
    EXPECT_FALSE(einzeln.fixiert);

    for (qsizetype laenge : {0, 50, 106}) {
        EXPECT_FALSE(lies(fixiert.left(laenge), true).block1) << laenge;
        EXPECT_FALSE(lies(fixiert.left(laenge), false).fullyRead) << laenge;
    }
    const ParsedFile ohneFlag = lies(fixiert.left(110), true);
    EXPECT_TRUE(ohneFlag.block1);
    EXPECT_FALSE(ohneFlag.fullyRead);
    const ParsedFile ohneBlock2 = lies(fixiert.left(217), true);
    EXPECT_EQ(ohneBlock2.fixiert, 1);
    EXPECT_FALSE(ohneBlock2.block2 || ohneBlock2.fullyRead);

    BrechendesGeraet bricht(fixiert, 150);
    bricht.open(QIODevice::ReadOnly);
    const ParsedFile gebrochen = readIn(bricht, true);
    EXPECT_TRUE(gebrochen.block1 && !gebrochen.block2 && !gebrochen.fullyRead);
}

TEST(SettingsFileFormat, AWriteThatFailsPartWayIsReported)
{
    const FileBlocks blocks = fileBlocks(currentState(1), currentState(2), false, {}, {}, {});
    for (qint64 grenze : {0, 1, 111, 221}) {
        BrechendesGeraet geraet({}, grenze);
        geraet.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        EXPECT_FALSE(writeWord(geraet, blocks)) << grenze;
    }
    BrechendesGeraet genug({}, 222);
    genug.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    EXPECT_TRUE(writeWord(genug, blocks));
}

TEST(SettingsFileFormat, SaveAsNamesEndInTnfxAndOnlyTnfxFilesHoldTwoBlocks)
{
    EXPECT_EQ(withTnfxExtension("/d/farben"), "/d/farben.tnfx");
    EXPECT_EQ(withTnfxExtension("/d/farben.txt"), "/d/farben.tnfx");
    EXPECT_EQ(withTnfxExtension("/d.e/farben"), "/d.e/farben.tnfx");
    EXPECT_EQ(withTnfxExtension("/d/farben.alt.TNFX"), "/d/farben.alt.tnfx");
    EXPECT_TRUE(isTwoBlockFile("/d/a.TnFx"));
    EXPECT_FALSE(isTwoBlockFile("/d/a.tnf"));
    EXPECT_FALSE(isTwoBlockFile("/d.tnfx/a"));
}
