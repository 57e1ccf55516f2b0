#include "platform/instance/PathRecord.h"

#include <QtEndian>

namespace
{

void appendUInt32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

quint32 uint32At(QByteArrayView data, qsizetype offset)
{
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

} // namespace

QByteArray encodeRaiseRequest()
{
    QByteArray frame;
    appendUInt32(frame, static_cast<quint32>(InstanceMessage::raise));
    return frame;
}

QByteArray encodePathRecord(const QByteArray& pathBytes)
{
    if (pathBytes.contains('\0') || pathBytes.size() >= static_cast<qsizetype>(maxPathRecordData))
        return {};
    const auto cbData = static_cast<quint32>(pathBytes.size() + 1);
    QByteArray frame;
    frame.reserve(pathRecordHeaderSize + cbData);
    appendUInt32(frame, static_cast<quint32>(InstanceMessage::path));
    appendUInt32(frame, 0); // dwData
    appendUInt32(frame, cbData);
    frame.append(pathBytes);
    frame.append('\0');
    return frame;
}

std::optional<QByteArray> decodePathRecord(const QByteArray& frame)
{
    if (frame.size() < pathRecordHeaderSize)
        return std::nullopt;
    if (uint32At(frame, 0) != static_cast<quint32>(InstanceMessage::path) || uint32At(frame, 4) != 0)
        return std::nullopt;
    const quint32 cbData = uint32At(frame, 8);
    if (cbData < 1 || cbData > maxPathRecordData || frame.size() != pathRecordHeaderSize + cbData)
        return std::nullopt;
    const QByteArray data = frame.mid(pathRecordHeaderSize);
    if (data.back() != '\0')
        return std::nullopt;
    const QByteArray path = data.first(data.size() - 1);
    if (path.contains('\0'))
        return std::nullopt;
    return path;
}

bool isRaiseRequest(const QByteArray& frame)
{
    return frame.size() == 4 && uint32At(frame, 0) == static_cast<quint32>(InstanceMessage::raise);
}

FrameScan scanFrame(QByteArrayView buffer)
{
    using Status = FrameScan::Status;
    if (buffer.size() < 4)
        return {Status::needMore, 0};
    switch (uint32At(buffer, 0)) {
    case static_cast<quint32>(InstanceMessage::raise):
        return {Status::complete, 4};
    case static_cast<quint32>(InstanceMessage::path): {
        if (buffer.size() < pathRecordHeaderSize)
            return {Status::needMore, 0};
        const quint32 cbData = uint32At(buffer, 8);
        if (cbData < 1 || cbData > maxPathRecordData)
            return {Status::malformed, 0};
        const qsizetype length = pathRecordHeaderSize + cbData;
        if (buffer.size() < length)
            return {Status::needMore, 0};
        return {Status::complete, length};
    }
    default:
        return {Status::malformed, 0};
    }
}

ReceivedFrame classifyFrame(const QByteArray& frame)
{
    if (isRaiseRequest(frame))
        return {ReceivedFrame::Kind::raise, {}};
    if (std::optional<QByteArray> path = decodePathRecord(frame))
        return {ReceivedFrame::Kind::path, std::move(*path)};
    return {ReceivedFrame::Kind::rejected, {}};
}

ConsumedFrames consumeFrames(QByteArray& buffer)
{
    ConsumedFrames out;
    qsizetype start = 0;
    for (;;) {
        const FrameScan scan = scanFrame(QByteArrayView(buffer).sliced(start));
        if (scan.status == FrameScan::Status::needMore)
            break;
        if (scan.status == FrameScan::Status::malformed) {
            buffer.clear();
            out.malformed = true;
            return out;
        }
        out.frames.append(classifyFrame(buffer.sliced(start, scan.length)));
        start += scan.length;
    }
    buffer.remove(0, start);
    return out;
}
