#include "platform/PortFailure.h"

#include <cerrno>

#include "texts/PlatformTexts.h"

QString PortFailureReason(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::NoError:
            return Tr(PlatformText::NoError);
        case QSerialPort::DeviceNotFoundError:
            return Tr(PlatformText::DeviceNotFound);
        case QSerialPort::PermissionError:
            return Tr(PlatformText::DeviceNoPermissionOrBusy);
        case QSerialPort::OpenError:
            return Tr(PlatformText::DeviceAlreadyOpen);
        case QSerialPort::WriteError:
            return Tr(PlatformText::DeviceWriteFailed);
        case QSerialPort::ReadError:
            return Tr(PlatformText::DeviceReadFailed);
        case QSerialPort::ResourceError:
            return Tr(PlatformText::DeviceRemoved);
        case QSerialPort::UnsupportedOperationError:
            return Tr(PlatformText::DeviceUnsupported);
        case QSerialPort::TimeoutError:
            return Tr(PlatformText::DeviceTimeout);
        case QSerialPort::NotOpenError:
            return Tr(PlatformText::PortNotOpenReason);
        case QSerialPort::UnknownError:
            break;
    }
    return Tr(PlatformText::DeviceUnknownError);
}

QString PortFailureReason(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return Tr(PlatformText::ConnectionRefused);
        case QAbstractSocket::RemoteHostClosedError:
            return Tr(PlatformText::RemoteClosed);
        case QAbstractSocket::HostNotFoundError:
            return Tr(PlatformText::HostNotFound);
        case QAbstractSocket::SocketAccessError:
            return Tr(PlatformText::SocketAccess);
        case QAbstractSocket::SocketResourceError:
            return Tr(PlatformText::SocketResources);
        case QAbstractSocket::SocketTimeoutError:
            return Tr(PlatformText::SocketTimeout);
        case QAbstractSocket::NetworkError:
            return Tr(PlatformText::NetworkError);
        case QAbstractSocket::AddressInUseError:
            return Tr(PlatformText::AddressInUse);
        case QAbstractSocket::SocketAddressNotAvailableError:
            return Tr(PlatformText::AddressNotAvailable);
        case QAbstractSocket::UnsupportedSocketOperationError:
            return Tr(PlatformText::UnsupportedSocket);
        case QAbstractSocket::TemporaryError:
            return Tr(PlatformText::TemporaryError);
        default:
            break;
    }
    return Tr(PlatformText::NetworkUnknownError);
}

QString PortErrnoReason(int errnoValue) {
    switch (errnoValue) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return PortFailureReason(QSerialPort::DeviceNotFoundError);
        case EACCES:
        case EPERM:
            return Tr(PlatformText::DeviceNoPermission);
        case EBUSY:
        case EWOULDBLOCK:
            return Tr(PlatformText::DeviceInUse);
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
