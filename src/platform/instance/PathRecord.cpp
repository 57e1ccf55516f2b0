#include "instance/PathRecord.h"

#include <QtEndian>

namespace
{

void appendUInt32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

quint32 uint32At(const QByteArray& data, qsizetype offset)
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

FrameScan scanFrame(const QByteArray& buffer)
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
