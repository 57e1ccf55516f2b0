#include "platform/instance/PathRecord.h"

#include <gtest/gtest.h>

namespace
{

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray header(quint32 type, quint32 dwData, quint32 cbData)
{
    QByteArray out;
    for (quint32 v : {type, dwData, cbData})
        for (int shift = 0; shift < 32; shift += 8)
            out.append(static_cast<char>((v >> shift) & 0xFF));
    return out;
}

} // namespace

TEST(PathRecord, EncodesTypeZeroDwDataLengthPlusOneAndTerminatedPath)
{
    EXPECT_EQ(encodePathRecord("C:\\a.tnfx"),
              bytes({2, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0}) + QByteArray("C:\\a.tnfx") + bytes({0}));
    // Bytes travel untouched: a path in an 8-bit code page stays as it came.
    EXPECT_EQ(encodePathRecord(bytes({0xE4, 0x2F})),
              bytes({2, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0xE4, 0x2F, 0}));
    EXPECT_EQ(encodePathRecord(""), bytes({2, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(encodeRaiseRequest(), bytes({1, 0, 0, 0}));
}

TEST(PathRecord, CbDataUsesAllFourBytesLittleEndian)
{
    const QByteArray path(300, 'x');
    const QByteArray frame = encodePathRecord(path);
    EXPECT_EQ(frame.mid(8, 4), bytes({0x2D, 0x01, 0, 0})); // 301
    EXPECT_EQ(frame.size(), 12 + 301);
}

TEST(PathRecord, PathsThatCannotTravelAreNotEncoded)
{
    EXPECT_TRUE(encodePathRecord(QByteArray("a\0b", 3)).isEmpty());
    EXPECT_TRUE(encodePathRecord(QByteArray(maxPathRecordData, 'x')).isEmpty());
    EXPECT_FALSE(encodePathRecord(QByteArray(maxPathRecordData - 1, 'x')).isEmpty());
}

TEST(PathRecord, DecodeRoundTripsEveryEncodablePath)
{
    for (const QByteArray& path :
         {QByteArray(""), QByteArray("/home/u/Farben/ä b.tnfx"), QByteArray(maxPathRecordData - 1, 'y')}) {
        const auto decoded = decodePathRecord(encodePathRecord(path));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, path);
    }
}

TEST(PathRecord, DecodeRejectsEveryMalformedRecord)
{
    const QByteArray good = encodePathRecord("abc");
    struct Case {
        const char* what;
        QByteArray frame;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"header cut short", good.left(11)},
        {"raise frame", encodeRaiseRequest()},
        {"unknown type", header(3, 0, 4) + "abc" + bytes({0})},
        {"dwData not zero", header(2, 1, 4) + "abc" + bytes({0})},
        {"cbData zero", header(2, 0, 0)},
        {"cbData larger than data", header(2, 0, 5) + "abc" + bytes({0})},
        {"cbData smaller than data", header(2, 0, 3) + "abc" + bytes({0})},
        {"trailing bytes", good + bytes({0})},
        {"no terminating zero", header(2, 0, 4) + "abcd"},
        {"zero inside the path", header(2, 0, 4) + bytes({'a', 0, 'c', 0})},
        {"over the length limit",
         header(2, 0, maxPathRecordData + 1) + QByteArray(maxPathRecordData, 'x') + bytes({0})},
        {"cbData near 2^32", header(2, 0, 0xFFFFFFFF) + "abc" + bytes({0})},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(decodePathRecord(c.frame).has_value()) << c.what;
}

TEST(PathRecord, ScanSplitsAStreamIntoFrames)
{
    using S = FrameScan::Status;
    const QByteArray stream = encodeRaiseRequest() + encodePathRecord("/x");
    EXPECT_EQ(scanFrame(stream.left(3)).status, S::needMore);
    const FrameScan first = scanFrame(stream);
    EXPECT_EQ(first.status, S::complete);
    EXPECT_EQ(first.length, 4);
    const QByteArray rest = stream.mid(4);
    for (qsizetype cut = 0; cut < rest.size(); ++cut)
        EXPECT_EQ(scanFrame(rest.left(cut)).status, S::needMore) << cut;
    const FrameScan second = scanFrame(rest);
    EXPECT_EQ(second.status, S::complete);
    EXPECT_EQ(second.length, rest.size());
}

TEST(PathRecord, ScanGivesUpOnUnknownTypesAndImpossibleSizes)
{
    using S = FrameScan::Status;
    EXPECT_EQ(scanFrame(bytes({9, 0, 0, 0})).status, S::malformed);
    EXPECT_EQ(scanFrame(header(2, 0, 0)).status, S::malformed);
    EXPECT_EQ(scanFrame(header(2, 0, maxPathRecordData + 1)).status, S::malformed);
    // A wrong dwData still has a readable size: the stream stays in step, decode rejects it.
    const FrameScan scan = scanFrame(header(2, 7, 2) + bytes({'a', 0}));
    EXPECT_EQ(scan.status, S::complete);
    EXPECT_EQ(scan.length, 14);
}

TEST(PathRecord, ConsumeFramesTakesCompleteFramesKeepsTheRestAndDropsAllAfterAMalformedOne)
{
    using Kind = ReceivedFrame::Kind;
    const QByteArray pathName = encodePathRecord("/a.tnfx");
    QByteArray puffer = encodeRaiseRequest() + pathName + header(2, 1, 1) + bytes({0}) + pathName.left(5);
    const ConsumedFrames got = consumeFrames(puffer);
    EXPECT_FALSE(got.malformed);
    const QList<ReceivedFrame> erwartet{{Kind::raise, {}}, {Kind::path, "/a.tnfx"}, {Kind::rejected, {}}};
    EXPECT_EQ(got.frames, erwartet);
    EXPECT_EQ(puffer, pathName.left(5));

    puffer += pathName.mid(5) + header(7, 0, 0) + encodeRaiseRequest();
    const ConsumedFrames weiter = consumeFrames(puffer);
    EXPECT_TRUE(weiter.malformed);
    EXPECT_EQ(weiter.frames, (QList<ReceivedFrame>{{Kind::path, "/a.tnfx"}}));
    EXPECT_TRUE(puffer.isEmpty());
}
