#pragma once

#include "texts/Text.h"

// The ports' and the files' failures as the operator reads them.
enum class PlatformText {
    PortAlreadyOpen,
    InvalidPortNumber,
    InvalidLineSettings,  // %1: the line settings
    PortNotOpen,
    CannotSend,        // %1: why
    ConnectionLost,    // %1: device, %2: why
    CannotOpenDevice,  // %1: device, %2: why
    CannotConnect,     // %1: device, %2: why
    NoConnectAnswer,   // %1: milliseconds
    BadTcpAddress,     // %1: the address
    SettingsRefused,   // %1: settings, %2: why
    DeviceBusy,        // %1: device
    NoPermission,      // %1: device
    DeviceGone,        // %1: device
    ProbeAnswered,     // %1: device
    ProbeSilent,       // %1: device
    ErrorReport,       // %1: the description, %2: the error number
    Hint8018,
    Hint8002,
    HintStartUp,
    FileDamaged,
    AccessDenied,
    ReadOnlyFileSystem,
    NotFound,
    DiskFull,
    DiskError,
    FileInUse,
    NotRegularFile,
    ReadOnlyFile,
    FolderOfSameName,
    FileTooLarge,  // %1: the largest size
    SymbolicLink,
    NoError,  // the port's failures
    DeviceNotFound,
    DeviceNoPermissionOrBusy,
    DeviceAlreadyOpen,
    DeviceWriteFailed,
    DeviceReadFailed,
    DeviceRemoved,
    DeviceUnsupported,
    DeviceTimeout,
    PortNotOpenReason,
    DeviceUnknownError,
    ConnectionRefused,  // the network's failures
    RemoteClosed,
    HostNotFound,
    SocketAccess,
    SocketResources,
    SocketTimeout,
    NetworkError,
    AddressInUse,
    AddressNotAvailable,
    UnsupportedSocket,
    TemporaryError,
    NetworkUnknownError,
    DeviceNoPermission,
    DeviceInUse,
};

QString Tr(PlatformText id);
void AddPlatformSources(std::vector<texts::Source>& into);
