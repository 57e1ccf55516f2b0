#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
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
FrameScan scanFrame(QByteArrayView buffer);

// One complete frame taken from a receive buffer, as the running instance answers it.
struct ReceivedFrame {
    enum class Kind {
        raise,    // bring the window to the front
        path,     // open `path`; an empty one is accepted and opens nothing
        rejected, // a complete frame that is no valid message
    };
    Kind kind = Kind::rejected;
    QByteArray path;
    bool operator==(const ReceivedFrame&) const = default;
};
ReceivedFrame classifyFrame(const QByteArray& frame);

// What one pass over a receive buffer found.
struct ConsumedFrames {
    QList<ReceivedFrame> frames; // the complete frames before anything malformed, in order
    bool malformed = false;      // then the stream cannot be trusted further
};
// Takes every complete frame from the front of the buffer, as the server does after
// each read. What stays is the start of a frame still incomplete, or nothing once a
// malformed frame was met.
ConsumedFrames consumeFrames(QByteArray& buffer);
