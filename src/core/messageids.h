#pragma once

// Ids of the int/QVariant message pairs that pages, dialogs, the main window
// and the two workers exchange. Every layer may include this header.

// Commands sent with sendCmd() and routed by the main window.
enum CtlCmdId {
    Cmd_ConnectInstrument = 22,
    Cmd_FetchDataFile = 24,
    Cmd_ScanInstrument = 25,
    Cmd_CloseLink = 27,
    Cmd_ReportDlg31 = 31,
    Cmd_ReportDlg32 = 32,
    Cmd_getUpgradePackageInfo = 40,
    Cmd_DownloadOtaFile = 41,
    Cmd_DownloadOtaProgress = 42,
    Cmd_StopCurrRequest = 43,
    Cmd_EnableNavigation = 44,
};

// Events emitted by the instrument link with sendnetEvent().
enum NetEventId {
    NetEvt_ReportDlg6 = 6,
    NetEvt_DataFrame = 12,
    NetEvt_ReportDlg28 = 28,
    NetEvt_LinkState = 33,
    NetEvt_FileProgress = 34,
    NetEvt_ScanFinished = 35,
    NetEvt_InstrumentFound = 36,
    // A fetch that ended without installing a file: no connection, a refused
    // header or name, a cut or idle transfer, or a received database the
    // window refused. The payload is the reason as a QString, for the log.
    NetEvt_FileFailed = 37,
};

// Events of the update client (they reuse the request ids; 42 is progress).
enum HttpEventId {
    HttpEvt_VersionInfo = Cmd_getUpgradePackageInfo,
    HttpEvt_Download = Cmd_DownloadOtaFile,
    HttpEvt_DownloadProgress = Cmd_DownloadOtaProgress,
};
