#include "platform/PortFailure.h"

#include <cerrno>

QString PortFailureReason(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::NoError:
            return QStringLiteral("エラーはありません");
        case QSerialPort::DeviceNotFoundError:
            return QStringLiteral("装置が見つかりません");
        case QSerialPort::PermissionError:
            return QStringLiteral("装置を使う権限がないか、他のプログラムが使用中です");
        case QSerialPort::OpenError:
            return QStringLiteral("装置は既に開かれています");
        case QSerialPort::WriteError:
            return QStringLiteral("装置へ送信できません");
        case QSerialPort::ReadError:
            return QStringLiteral("装置から受信できません");
        case QSerialPort::ResourceError:
            return QStringLiteral("装置が応答しないか、取り外されました");
        case QSerialPort::UnsupportedOperationError:
            return QStringLiteral("装置がこの設定または操作に対応していません");
        case QSerialPort::TimeoutError:
            return QStringLiteral("装置が時間内に応じません");
        case QSerialPort::NotOpenError:
            return QStringLiteral("ポートが開いていません");
        case QSerialPort::UnknownError:
            break;
    }
    return QStringLiteral("装置の原因不明のエラーです");
}

QString PortFailureReason(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return QStringLiteral("接続を拒否されました");
        case QAbstractSocket::RemoteHostClosedError:
            return QStringLiteral("相手側が接続を閉じました");
        case QAbstractSocket::HostNotFoundError:
            return QStringLiteral("ホストが見つかりません");
        case QAbstractSocket::SocketAccessError:
            return QStringLiteral("接続する権限がありません");
        case QAbstractSocket::SocketResourceError:
            return QStringLiteral("接続に使う資源が足りません");
        case QAbstractSocket::SocketTimeoutError:
            return QStringLiteral("相手側が時間内に応じません");
        case QAbstractSocket::NetworkError:
            return QStringLiteral("ネットワークのエラーです（ケーブルや経路を確かめて下さい）");
        case QAbstractSocket::AddressInUseError:
            return QStringLiteral("アドレスは既に使われています");
        case QAbstractSocket::SocketAddressNotAvailableError:
            return QStringLiteral("このアドレスは使えません");
        case QAbstractSocket::UnsupportedSocketOperationError:
            return QStringLiteral("この接続には対応していません");
        case QAbstractSocket::TemporaryError:
            return QStringLiteral("一時的なエラーです");
        default:
            break;
    }
    return QStringLiteral("通信の原因不明のエラーです");
}

QString PortErrnoReason(int errnoValue) {
    switch (errnoValue) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return PortFailureReason(QSerialPort::DeviceNotFoundError);
        case EACCES:
        case EPERM:
            return QStringLiteral("装置を使う権限がありません");
        case EBUSY:
        case EWOULDBLOCK:
            return QStringLiteral("他のプログラムが使用中です");
        case EINVAL:
        case ENOTTY:
            return PortFailureReason(QSerialPort::UnsupportedOperationError);
        case EIO:
        case EBADF:
            return PortFailureReason(QSerialPort::ResourceError);
        case EINTR:
            return PortFailureReason(QAbstractSocket::TemporaryError);
        default:
            break;
    }
    return PortFailureReason(QSerialPort::UnknownError);
}
