#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// What a second start sends to the running instance over the per-user local socket.
//
// Every frame starts with a 32-bit message type; all integers are little-endian.
//   raise: the type alone.
//   path:  the type, dwData (always 0), cbData (byte count of the data), then cbData
//          bytes: the path in the command line's local 8-bit encoding and one
//          terminating zero byte.
// The running instance answers every complete frame with one reply byte.
enum class InstanceMessage : quint32 {
    raise = 1,
    path = 2,
};

inline constexpr qsizetype pathRecordHeaderSize = 12; // type, dwData, cbData
// Largest cbData accepted (terminating zero included); anything longer is no path.
inline constexpr quint32 maxPathRecordData = 32 * 1024;

inline constexpr char instanceReplyAccepted = 0x06;
inline constexpr char instanceReplyRejected = 0x15;

QByteArray encodeRaiseRequest();

// The complete path frame; empty when the path cannot travel (a zero byte inside
// or longer than the limit allows).
QByteArray encodePathRecord(const QByteArray& pathBytes);

// The path bytes (without the terminating zero) of a well-formed path frame; nothing
// for any frame that is not exactly one valid path record.
std::optional<QByteArray> decodePathRecord(const QByteArray& frame);

bool isRaiseRequest(const QByteArray& frame);

// How much of a receive buffer forms the next frame.
struct FrameScan {
    enum class Status {
        needMore,  // the frame is not complete yet
        complete,  // the first `length` bytes are one frame
        malformed, // unknown type or impossible size: the stream cannot be trusted further
    };
    Status status = Status::needMore;
    qsizetype length = 0;
};
FrameScan scanFrame(const QByteArray& buffer);
