// Fuzz target of the single-instance message: any bytes as the receive buffer
// of the running instance, consumed the way InstanceServer consumes it, once in
// a single read and once arriving in small pieces; then the same bytes as a path
// that must survive encoding and decoding. No QApplication, no socket.
#include "FuzzCheck.h"

#include "platform/instance/PathRecord.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace
{

// What the frames of one pass say, with the pass's own checks.
void pruefeFrames(const ConsumedFrames& got)
{
    for (const ReceivedFrame& f : got.frames) {
        if (f.kind != ReceivedFrame::Kind::path) {
            FUZZ_CHECK(f.path.isEmpty());
            continue;
        }
        FUZZ_CHECK(!f.path.contains('\0'));
        FUZZ_CHECK(f.path.size() < static_cast<qsizetype>(maxPathRecordData));
        // A path the server accepted is one a later start could have sent.
        const QByteArray frame = encodePathRecord(f.path);
        FUZZ_CHECK(!frame.isEmpty());
        FUZZ_CHECK(classifyFrame(frame) == f);
        // As the server hands it on.
        (void)QString::fromLocal8Bit(f.path);
    }
}

void alsPuffer(const QByteArray& input)
{
    // All in one read.
    QByteArray puffer = input;
    const ConsumedFrames allItems = consumeFrames(puffer);
    pruefeFrames(allItems);
    if (allItems.malformed) {
        FUZZ_CHECK(puffer.isEmpty());
    } else {
        // What stays is an incomplete frame at the end of the input.
        FUZZ_CHECK(scanFrame(puffer).status == FrameScan::Status::needMore);
        FUZZ_CHECK(input.endsWith(puffer));
        FUZZ_CHECK(puffer.size() < pathRecordHeaderSize + static_cast<qsizetype>(maxPathRecordData));
    }

    // The same stream in pieces of 1..16 bytes gives the same frames and the same verdict.
    const qsizetype stueck = input.isEmpty() ? 1 : 1 + static_cast<unsigned char>(input.back()) % 16;
    QByteArray runningTotal;
    ConsumedFrames zusammen;
    for (qsizetype pos = 0; pos < input.size() && !zusammen.malformed; pos += stueck) {
        runningTotal.append(input.sliced(pos, std::min(stueck, input.size() - pos)));
        const ConsumedFrames got = consumeFrames(runningTotal);
        zusammen.frames.append(got.frames);
        zusammen.malformed = got.malformed;
    }
    FUZZ_CHECK(zusammen.frames == allItems.frames);
    FUZZ_CHECK(zusammen.malformed == allItems.malformed);
    FUZZ_CHECK(runningTotal == puffer);

    // Each complete frame on its own is what the pass made of it.
    QByteArray rest = input;
    for (const ReceivedFrame& f : allItems.frames) {
        const FrameScan scan = scanFrame(rest);
        FUZZ_CHECK(scan.status == FrameScan::Status::complete);
        const QByteArray frame = rest.first(scan.length);
        FUZZ_CHECK(classifyFrame(frame) == f);
        FUZZ_CHECK((f.kind == ReceivedFrame::Kind::raise) == isRaiseRequest(frame));
        FUZZ_CHECK((f.kind == ReceivedFrame::Kind::path) == decodePathRecord(frame).has_value());
        rest.remove(0, scan.length);
    }
}

void alsPfad(const QByteArray& input)
{
    // A path that cannot travel is not encoded at all.
    if (input.contains('\0'))
        FUZZ_CHECK(encodePathRecord(input).isEmpty());

    // Without zero bytes and within the limit: decode(encode(p)) == p.
    QByteArray pathName = input;
    pathName.removeIf([](char c) { return c == '\0'; });
    pathName.truncate(static_cast<qsizetype>(maxPathRecordData) - 1);
    const QByteArray frame = encodePathRecord(pathName);
    FUZZ_CHECK(frame.size() == pathRecordHeaderSize + pathName.size() + 1);
    const std::optional<QByteArray> zurueck = decodePathRecord(frame);
    FUZZ_CHECK(zurueck && *zurueck == pathName);
    FUZZ_CHECK(!isRaiseRequest(frame));
    const FrameScan scan = scanFrame(frame);
    FUZZ_CHECK(scan.status == FrameScan::Status::complete && scan.length == frame.size());

    // Sent behind a raise request, it arrives as the second of two frames.
    QByteArray puffer = encodeRaiseRequest() + frame;
    const ConsumedFrames got = consumeFrames(puffer);
    FUZZ_CHECK(!got.malformed && puffer.isEmpty() && got.frames.size() == 2);
    FUZZ_CHECK(got.frames[0].kind == ReceivedFrame::Kind::raise);
    FUZZ_CHECK(got.frames[1].kind == ReceivedFrame::Kind::path && got.frames[1].path == pathName);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    alsPuffer(input);
    alsPfad(input);
    return 0;
}
