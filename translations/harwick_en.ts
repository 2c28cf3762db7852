<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>harwick</name>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Load Library Failed!</source>
        <extracomment>kLoadLibraryFailed</extracomment>
        <translation>Load Library Failed!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Save File False!</source>
        <extracomment>kSaveFileFalse</extracomment>
        <translation>Save File False!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>no data!</source>
        <extracomment>kNoData</extracomment>
        <translation>no data!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>no data !</source>
        <extracomment>kNoDataSpaced</extracomment>
        <translation>no data !</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>invaril data!</source>
        <extracomment>kInvarilData</extracomment>
        <translation>invaril data!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>The USB library has no entry point </source>
        <extracomment>kUsbEntryMissing</extracomment>
        <translation>The USB library has no entry point </translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Please press Enter on Total Station , then press Enter on computer!</source>
        <extracomment>kPressStationFirst</extracomment>
        <translation>Please press Enter on Total Station , then press Enter on computer!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Please press Enter on computer , then press Enter on Total Station!</source>
        <extracomment>kPressComputerFirst</extracomment>
        <translation>Please press Enter on computer , then press Enter on Total Station!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Receive data ok!</source>
        <extracomment>kReceiveDataOkUsb</extracomment>
        <translation>Receive data ok!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>receive data ok!</source>
        <extracomment>kReceiveDataOkCom</extracomment>
        <translation>receive data ok!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Memory allocate failed!</source>
        <extracomment>kMemoryAllocateFailed</extracomment>
        <translation>Memory allocate failed!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Memory allocate failed !</source>
        <extracomment>kMemoryAllocateFailedSpaced</extracomment>
        <translation>Memory allocate failed !</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>USB connected failed !</source>
        <extracomment>kUsbConnectedFailed</extracomment>
        <translation>USB connected failed !</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>communication completed!</source>
        <extracomment>kCommunicationCompletedLower</extracomment>
        <translation>communication completed!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Communication completed!</source>
        <extracomment>kCommunicationCompleted</extracomment>
        <translation>Communication completed!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>通讯结束!</source>
        <extracomment>kCommunicationEnded</extracomment>
        <translation>Communication ended!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Timeout!</source>
        <extracomment>kTimeout</extracomment>
        <translation>Timeout!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>不存在该端口,或者COM端口被占用!</source>
        <extracomment>kPortMissingOrBusy</extracomment>
        <translation>The port does not exist, or the COM port is in use!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Device ACK error!</source>
        <extracomment>kDeviceAckErrorCodes</extracomment>
        <translation>Device ACK error!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Device ACK Error!</source>
        <extracomment>kDeviceAckErrorCoords</extracomment>
        <translation>Device ACK Error!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Sending stopped: the port took no more data (was the cable or adapter pulled?). The instrument did not get the whole text; send it again.</source>
        <extracomment>kSendStopped</extracomment>
        <translation>Sending stopped: the port took no more data (was the cable or adapter pulled?). The instrument did not get the whole text; send it again.</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Receiving stopped: the port went away (was the cable or adapter pulled?). The editor shows what arrived; the data is not complete.</source>
        <extracomment>kReceiveStopped</extracomment>
        <translation>Receiving stopped: the port went away (was the cable or adapter pulled?). The editor shows what arrived; the data is not complete.</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>A transfer is running: wait until it has ended, then try again.</source>
        <extracomment>kTransferRunning</extracomment>
        <translation>A transfer is running: wait until it has ended, then try again.</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Receiving stopped before the end of the data: nothing more came in time. The editor shows what arrived; the data is not complete.</source>
        <extracomment>kReceiveIncomplete</extracomment>
        <translation>Receiving stopped before the end of the data: nothing more came in time. The editor shows what arrived; the data is not complete.</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>invalid format!</source>
        <extracomment>kInvalidFormat</extracomment>
        <translation>invalid format!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Invalid Pcode Format!</source>
        <extracomment>kInvalidPcodeFormat</extracomment>
        <translation>Invalid Pcode Format!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>File format invalid!</source>
        <extracomment>kFileFormatInvalid</extracomment>
        <translation>File format invalid!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Transform failed !</source>
        <extracomment>kTransformFailed</extracomment>
        <translation>Transform failed !</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Invalid  survey data format!</source>
        <extracomment>kInvalidSurveyDataFormat</extracomment>
        <translation>Invalid  survey data format!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Invalid KARD300 Format!</source>
        <extracomment>kInvalidKard300Format</extracomment>
        <translation>Invalid KARD300 Format!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>The text holds neither GSI points nor KARD lines: nothing was written, the file is as it was.</source>
        <extracomment>kNothingToSaveAsKard</extracomment>
        <translation>The text holds neither GSI points nor KARD lines: nothing was written, the file is as it was.</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>请输入1到999的整数!</source>
        <extracomment>kTimeoutRange</extracomment>
        <translation>Please enter a whole number from 1 to 999!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>请输入正的整数!</source>
        <extracomment>kRowDelayRange</extracomment>
        <translation>Please enter a positive whole number!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>COM通讯参数设置</source>
        <extracomment>kComDialogTitle</extracomment>
        <translation>COM Communication Settings</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>USB Parameter</source>
        <extracomment>kUsbDialogTitle</extracomment>
        <translation>USB Parameter</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>The COM port in qtr_cfg.ini, &quot;</source>
        <extracomment>kPortNamesNoPortBefore</extracomment>
        <translation>The COM port in qtr_cfg.ini, &quot;</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>&quot;, names no serial port, so COM transfers cannot open it. Choose a port in COM Comm, COM Para... (COM1 to COM256, or a device path such as /dev/ttyUSB0).</source>
        <extracomment>kPortNamesNoPortAfter</extracomment>
        <translation>&quot;, names no serial port, so COM transfers cannot open it. Choose a port in COM Comm, COM Para... (COM1 to COM256, or a device path such as /dev/ttyUSB0).</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <location filename="../apps/stationmate/core/probe.h"/>
        <source>: not usable: </source>
        <extracomment>kPortNotUsable kPortNotUsable</extracomment>
        <translation>: not usable: </translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>点名为空!</source>
        <extracomment>kNameEmpty</extracomment>
        <translation>The point name is empty!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>编码为空!</source>
        <extracomment>kCodeEmpty</extracomment>
        <translation>The code is empty!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>无效原始数据!</source>
        <extracomment>kInvalidSourceData</extracomment>
        <translation>Invalid source data!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Lines that do not fit this list stay in the text unchanged and in place: </source>
        <extracomment>kListKeepsLines</extracomment>
        <translation>Lines that do not fit this list stay in the text unchanged and in place: </translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>No line of the text fits this list: it opens empty, the text stays as it is, and rows you add go after it.</source>
        <extracomment>kListShowsNoLine</extracomment>
        <translation>No line of the text fits this list: it opens empty, the text stays as it is, and rows you add go after it.</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>点名</source>
        <extracomment>kTitleName</extracomment>
        <translation>Point name</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编码</source>
        <extracomment>kTitleCode kCodeListTitle</extracomment>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>坐标E</source>
        <extracomment>kTitleEasting</extracomment>
        <translation>Easting (E)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>坐标N</source>
        <extracomment>kTitleNorthing</extracomment>
        <translation>Northing (N)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>坐标Z</source>
        <extracomment>kTitleElevation</extracomment>
        <translation>Elevation (Z)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>编号</source>
        <extracomment>kTitleCodeNumber</extracomment>
        <translation>Number</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/settings.h"/>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>None</source>
        <extracomment>kProtocolNone kNoneEntry</extracomment>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/settings.h"/>
        <source>无</source>
        <extracomment>kParityNone</extracomment>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/settings.h"/>
        <source>奇</source>
        <extracomment>kParityOdd</extracomment>
        <translation>Odd</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/settings.h"/>
        <source>偶</source>
        <extracomment>kParityEven</extracomment>
        <translation>Even</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <location filename="../apps/toolhub/ui/launcher_texts.h"/>
        <source>OK</source>
        <extracomment>kOkText kRenameOk kAboutOk kOkButton kOkButton kOkButton kOkButton</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Cancel</source>
        <extracomment>kCancelText kCancelButton kCancelButton</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>接收超时：</source>
        <extracomment>kComTimeoutLabel</extracomment>
        <translation>Receive timeout:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>行间延时：</source>
        <extracomment>kComRowDelayLabel</extracomment>
        <translation>Interline delay:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>Timeout:</source>
        <extracomment>kUsbTimeoutLabel</extracomment>
        <translation>Timeout:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>Interline delay:</source>
        <extracomment>kUsbRowDelayLabel</extracomment>
        <translation>Interline delay:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标编辑格式</source>
        <extracomment>kEditFormatTitle</extracomment>
        <translation>Coordinate Edit Format</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>请选择坐标编辑格式</source>
        <extracomment>kEditFormatGroup</extracomment>
        <translation>Choose the coordinate edit format</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>KARD300格式坐标编辑</source>
        <extracomment>kKard300Choice</extracomment>
        <translation>Edit coordinates in KARD300 format</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>KARD600格式坐标编辑</source>
        <extracomment>kKard600Choice</extracomment>
        <translation>Edit coordinates in KARD600 format</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标</source>
        <extracomment>kCoordinateListTitle</extracomment>
        <translation>Coordinates</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>添 加</source>
        <extracomment>kAddButton</extracomment>
        <translation>Add</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编 辑</source>
        <extracomment>kEditButton</extracomment>
        <translation>Edit</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>删 除</source>
        <extracomment>kDeleteButton</extracomment>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>确 定</source>
        <extracomment>kListOkButton</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>取 消</source>
        <extracomment>kListCancelButton</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>添加数据</source>
        <extracomment>kAddPointTitle</extracomment>
        <translation>Add Point</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编辑数据</source>
        <extracomment>kEditPointTitle</extracomment>
        <translation>Edit Point</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>点名：</source>
        <extracomment>kPointNameLabel</extracomment>
        <translation>Point name:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标E:</source>
        <extracomment>kEastingLabel</extracomment>
        <translation>Easting (E):</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标N:</source>
        <extracomment>kNorthingLabel</extracomment>
        <translation>Northing (N):</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标Z:</source>
        <extracomment>kElevationLabel</extracomment>
        <translation>Elevation (Z):</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编 码：</source>
        <extracomment>kPointCodeLabel</extracomment>
        <translation>Code:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>添加编码</source>
        <extracomment>kAddCodeTitle</extracomment>
        <translation>Add Code</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编辑编码</source>
        <extracomment>kEditCodeTitle</extracomment>
        <translation>Edit Code</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编号：</source>
        <extracomment>kCodeNumberLabel</extracomment>
        <translation>Number:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编码：</source>
        <extracomment>kCodeLabel</extracomment>
        <translation>Code:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>更新数据</source>
        <extracomment>kUpdatePointsTitle</extracomment>
        <translation>Update Points</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>要更新坐标列表吗？</source>
        <extracomment>kUpdatePointsQuestion</extracomment>
        <translation>Update the coordinate list?</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>更新编码</source>
        <extracomment>kUpdateCodesTitle</extracomment>
        <translation>Update Codes</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>要更新编码列表吗？</source>
        <extracomment>kUpdateCodesQuestion</extracomment>
        <translation>Update the code list?</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>不再显示该对话框</source>
        <extracomment>kDoNotAskAgain</extracomment>
        <translation>Do not show this dialog again</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>确定</source>
        <extracomment>kUpdateCodesOk</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>取消</source>
        <extracomment>kUpdateCodesCancel</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标校正</source>
        <extracomment>kCorrectionTitle</extracomment>
        <translation>Coordinate Correction</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>原棱镜常数：</source>
        <extracomment>kOldConstantLabel</extracomment>
        <translation>Old prism constant:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>新棱镜常数：</source>
        <extracomment>kNewConstantLabel</extracomment>
        <translation>New prism constant:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>Saveas</source>
        <extracomment>kSaveAsTitle</extracomment>
        <translation>Saveas</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;File</source>
        <extracomment>kFileMenu kFileMenu</extracomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Edit</source>
        <extracomment>kEditMenu</extracomment>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;View</source>
        <extracomment>kViewMenu kViewEntry kViewMenu</extracomment>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>USB Comm</source>
        <extracomment>kUsbMenu</extracomment>
        <translation>USB Comm</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>COM Comm</source>
        <extracomment>kComMenu</extracomment>
        <translation>COM Comm</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Convert</source>
        <extracomment>kConvertMenu</extracomment>
        <translation>Convert</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Tools</source>
        <extracomment>kToolsMenu</extracomment>
        <translation>Tools</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Help</source>
        <extracomment>kHelpMenu kHelpMenu</extracomment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Recent Files</source>
        <extracomment>kRecentFilesMenu</extracomment>
        <translation>Recent Files</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Ready</source>
        <extracomment>kReadyStatus</extracomment>
        <translation>Ready</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;New	Ctrl+N</source>
        <extracomment>kNewEntry</extracomment>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Open...	Ctrl+O</source>
        <extracomment>kOpenEntry</extracomment>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Save &amp;As...</source>
        <extracomment>kSaveAsEntry</extracomment>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Print...	Ctrl+P</source>
        <extracomment>kPrintEntry</extracomment>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Print Pre&amp;view</source>
        <extracomment>kPrintPreviewEntry</extracomment>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>P&amp;rint Setup...</source>
        <extracomment>kPrintSetupEntry</extracomment>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>E&amp;xit</source>
        <extracomment>kExitEntry kExitEntry</extracomment>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Undo	Ctrl+Z</source>
        <extracomment>kUndoEntry</extracomment>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Cu&amp;t	Ctrl+X</source>
        <extracomment>kCutEntry</extracomment>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Copy	Ctrl+C</source>
        <extracomment>kCopyEntry</extracomment>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Paste	Ctrl+V</source>
        <extracomment>kPasteEntry</extracomment>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Toolbar</source>
        <extracomment>kToolbarEntry kToolbarEntry</extracomment>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Status Bar</source>
        <extracomment>kStatusBarEntry</extracomment>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;About Harwick cablemate...</source>
        <extracomment>kAboutEntry</extracomment>
        <translation>&amp;About Harwick cablemate...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>USB  Para(&amp;T)	Ctrl+T</source>
        <extracomment>kUsbParaEntry</extracomment>
        <translation>USB  Para(&amp;T)	Ctrl+T</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download Measured/Coord Data(&amp;P)	Ctrl+P</source>
        <extracomment>kDownloadMeasuredEntry</extracomment>
        <translation>Download Measured/Coord Data(&amp;P)	Ctrl+P</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download CODE Data(&amp;M)	Ctrl+M</source>
        <extracomment>kDownloadCodeEntry</extracomment>
        <translation>Download CODE Data(&amp;M)	Ctrl+M</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download HZ Alignment Data(&amp;N)	Ctrl+N</source>
        <extracomment>kDownloadHzEntry</extracomment>
        <translation>Download HZ Alignment Data(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download VT Alignment Data(&amp;V)	Ctrl+V</source>
        <extracomment>kDownloadVtEntry</extracomment>
        <translation>Download VT Alignment Data(&amp;V)	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Coordinate(&amp;Z)	Ctrl+Z</source>
        <extracomment>kUploadCoordinateEntry</extracomment>
        <translation>Upload Coordinate(&amp;Z)	Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Code(&amp;Y)	Ctrl+Y</source>
        <extracomment>kUploadCodeEntry</extracomment>
        <translation>Upload Code(&amp;Y)	Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload HZ Alignment Data(&amp;X)	Ctrl+X</source>
        <extracomment>kUploadHzEntry</extracomment>
        <translation>Upload HZ Alignment Data(&amp;X)	Ctrl+X</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload VT Alignment Data(&amp;O)	Ctrl+O</source>
        <extracomment>kUploadVtEntry</extracomment>
        <translation>Upload VT Alignment Data(&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Text</source>
        <extracomment>kUsbUploadTextEntry</extracomment>
        <translation>Upload Text</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Other Data</source>
        <extracomment>kUsbUploadOtherEntry</extracomment>
        <translation>Upload Other Data</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>COM Para...</source>
        <extracomment>kComParaEntry</extracomment>
        <translation>COM Para...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download Measured/Coord Data</source>
        <extracomment>kComDownloadEntry</extracomment>
        <translation>Download Measured/Coord Data</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download HZ Alignment Data</source>
        <extracomment>kComDownloadHzEntry</extracomment>
        <translation>Download HZ Alignment Data</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download VT Alignment Data</source>
        <extracomment>kComDownloadVtEntry</extracomment>
        <translation>Download VT Alignment Data</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Coordinate</source>
        <extracomment>kComUploadCoordinateEntry</extracomment>
        <translation>Upload Coordinate</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Code</source>
        <extracomment>kComUploadCodeEntry</extracomment>
        <translation>Upload Code</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload HZ Alignment Data</source>
        <extracomment>kComUploadHzEntry</extracomment>
        <translation>Upload HZ Alignment Data</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload VT Alignment Data</source>
        <extracomment>kComUploadVtEntry</extracomment>
        <translation>Upload VT Alignment Data</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Code List as Blocks</source>
        <extracomment>kComUploadCodeBlocksEntry</extracomment>
        <translation>Upload Code List as Blocks</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Coordinates as Blocks</source>
        <extracomment>kComUploadCoordinateBlocksEntry</extracomment>
        <translation>Upload Coordinates as Blocks</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Code Blocks to Code List</source>
        <extracomment>kCodeBlocksEntry</extracomment>
        <translation>Code Blocks to Code List</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Measured Data Blocks to KARD</source>
        <extracomment>kMeasuredBlocksEntry</extracomment>
        <translation>Measured Data Blocks to KARD</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Coordinate Blocks to KARD</source>
        <extracomment>kCoordinateBlocksEntry</extracomment>
        <translation>Coordinate Blocks to KARD</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>KARD to Coordinate Blocks</source>
        <extracomment>kKardToBlocksEntry</extracomment>
        <translation>KARD to Coordinate Blocks</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>KARD600 to KARD300</source>
        <extracomment>kKard600Entry</extracomment>
        <translation>KARD600 to KARD300</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>KARD600 Coordinates to KARD300</source>
        <extracomment>kKard600AgainEntry</extracomment>
        <translation>KARD600 Coordinates to KARD300</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Export DXF</source>
        <extracomment>kExportDxfEntry</extracomment>
        <translation>Export DXF</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Coordinate List...</source>
        <extracomment>kCoordinateListEntry</extracomment>
        <translation>Coordinate List...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Code List...</source>
        <extracomment>kCodeListEntry</extracomment>
        <translation>Code List...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Coordinate Correction...</source>
        <extracomment>kCorrectionEntry</extracomment>
        <translation>Coordinate Correction...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Help Topics</source>
        <extracomment>kHelpEntry</extracomment>
        <translation>Help Topics</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Cannot open the file </source>
        <extracomment>kCannotOpenFile</extracomment>
        <translation>Cannot open the file </translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>The help file QTRHelp.chm is missing.</source>
        <extracomment>kHelpMissing</extracomment>
        <translation>The help file QTRHelp.chm is missing.</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>No program opened the help file QTRHelp.chm.</source>
        <extracomment>kHelpNotOpened</extracomment>
        <translation>No program opened the help file QTRHelp.chm.</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>About Harwick cablemate</source>
        <extracomment>kAboutTitle</extracomment>
        <translation>About Harwick cablemate</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Harwick cablemate
Version 1.0

Plain-text transfers with the total station over USB or a serial port, and their conversions.</source>
        <extracomment>kAboutText</extracomment>
        <translation>Harwick cablemate
Version 1.0

Plain-text transfers with the total station over USB or a serial port, and their conversions.</translation>
    </message>
    <message>
        <location filename="../apps/common/listfile/list_file.cpp"/>
        <source>cannot write '</source>
        <extracomment>kCannotWriteBefore</extracomment>
        <translation>cannot write '</translation>
    </message>
    <message>
        <location filename="../apps/common/listfile/list_file.cpp"/>
        <source>': </source>
        <extracomment>kCannotWriteAfter</extracomment>
        <translation>': </translation>
    </message>
    <message>
        <location filename="../apps/common/qtkit/traffic_log_entry.h"/>
        <source>Log &amp;Communication...</source>
        <extracomment>kLogCommunicationEntry</extracomment>
        <translation>Log &amp;Communication...</translation>
    </message>
    <message>
        <location filename="../apps/common/qtkit/traffic_log_entry.h"/>
        <source>Log Communication To</source>
        <extracomment>kLogFileCaption</extracomment>
        <translation>Log Communication To</translation>
    </message>
    <message>
        <location filename="../apps/common/qtkit/traffic_log_entry.h"/>
        <source>Write every byte on the cable to this file:</source>
        <extracomment>kLogFileLabel</extracomment>
        <translation>Write every byte on the cable to this file:</translation>
    </message>
    <message>
        <location filename="../apps/common/qtkit/traffic_log_entry.h"/>
        <source>Browse...</source>
        <extracomment>kBrowseButton</extracomment>
        <translation>Browse...</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Illegal code name!!</source>
        <extracomment>kIllegalCodeName</extracomment>
        <translation>Illegal code name!!</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Input number</source>
        <extracomment>kInputNumber</extracomment>
        <translation>Input number</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>There must be two numbers!!</source>
        <extracomment>kTwoNumbers</extracomment>
        <translation>There must be two numbers!!</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Code</source>
        <extracomment>kCodeSheetPrefix kCodeTitle kCodeColumn</extracomment>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Short Cut</source>
        <extracomment>kShortcutTitle</extracomment>
        <translation>Short Cut</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Attribute Name</source>
        <extracomment>kAttributeNameTitle</extracomment>
        <translation>Attribute Name</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Default Value</source>
        <extracomment>kDefaultValueTitle</extracomment>
        <translation>Default Value</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Code lists are saved only as .crf files; nothing was written to </source>
        <extracomment>kNotSavedNotCrf</extracomment>
        <translation>Code lists are saved only as .crf files; nothing was written to </translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>The code list could not be saved to </source>
        <extracomment>kNotSaved</extracomment>
        <translation>The code list could not be saved to </translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>The code list could not be opened: </source>
        <extracomment>kNotOpened</extracomment>
        <translation>The code list could not be opened: </translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>it is a code list of another version; only VERSION 1.20 lists are read. The list on screen was kept.</source>
        <extracomment>kOtherVersion</extracomment>
        <translation>it is a code list of another version; only VERSION 1.20 lists are read. The list on screen was kept.</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>it holds no VERSION 1.20 code list. The list on screen was kept.</source>
        <extracomment>kNotACodeList</extracomment>
        <translation>it holds no VERSION 1.20 code list. The list on screen was kept.</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>File</source>
        <extracomment>kFileMenu kFileMenu</extracomment>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>New</source>
        <extracomment>kNewEntry kNewButton</extracomment>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Open</source>
        <extracomment>kOpenEntry kOpenEntry kOpenButton</extracomment>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Save</source>
        <extracomment>kSaveEntry kSaveEntry kSaveButton</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>SaveAs</source>
        <extracomment>kSaveAsEntry kSaveAsEntry</extracomment>
        <translation>SaveAs</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Exit</source>
        <extracomment>kExitEntry</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Options</source>
        <extracomment>kOptionsMenu kOptionsMenu</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>CodeName</source>
        <extracomment>kCodeNameEntry</extracomment>
        <translation>CodeName</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Help</source>
        <extracomment>kHelpMenu kHelpMenu</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>About</source>
        <extracomment>kAboutEntry kAboutEntry kAboutButton</extracomment>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/core/erase.cpp"/>
        <source>Delete</source>
        <extracomment>kDeleteEntry kDeleteEntry kAskDelete</extracomment>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>New code name</source>
        <extracomment>kNewListTitle</extracomment>
        <translation>New code name</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Code Name:</source>
        <extracomment>kNewListNameLabel</extracomment>
        <translation>Code Name:</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Author:</source>
        <extracomment>kNewListAuthorLabel</extracomment>
        <translation>Author:</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Ok</source>
        <extracomment>kNewListOk</extracomment>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>CANCEL</source>
        <extracomment>kCancel kCancelButton kCancelButtonUpper</extracomment>
        <translation>CANCEL</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Rename CodeList</source>
        <extracomment>kRenameTitle</extracomment>
        <translation>Rename CodeList</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>New code name:</source>
        <extracomment>kRenameLabel</extracomment>
        <translation>New code name:</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>About </source>
        <extracomment>kAboutTitlePrefix</extracomment>
        <translation>About </translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Version 1.0</source>
        <extracomment>kAboutVersion kAboutVersion kAboutVersion</extracomment>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>ZivID files(*.crf)</source>
        <extracomment>kOpenFilter</extracomment>
        <translation>ZivID files(*.crf)</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Author: </source>
        <extracomment>kAuthorPrefix</extracomment>
        <translation>Author: </translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>lines</source>
        <extracomment>kLinesUnit</extracomment>
        <translation>lines</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>cannot read '%1': %2</source>
        <extracomment>kCannotRead</extracomment>
        <translation>cannot read '%1': %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>cannot write '%1': %2</source>
        <extracomment>kCannotWrite</extracomment>
        <translation>cannot write '%1': %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>unknown conversion '%1'</source>
        <extracomment>kUnknownConversion</extracomment>
        <translation>unknown conversion '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>'%1' is neither usb nor a port (COMn or a device path)</source>
        <extracomment>kNeitherUsbNorPort</extracomment>
        <translation>'%1' is neither usb nor a port (COMn or a device path)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>nothing received</source>
        <extracomment>kNothingReceived</extracomment>
        <translation>nothing received</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>the data stopped before its end; %1 bytes received were written to '%2'</source>
        <extracomment>kStoppedBeforeEnd</extracomment>
        <translation>the data stopped before its end; %1 bytes received were written to '%2'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>--blocks is for COM ports; USB sends the text line by line</source>
        <extracomment>kBlocksAreForCom</extracomment>
        <translation>--blocks is for COM ports; USB sends the text line by line</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>no cable command given (convert, receive or send)</source>
        <extracomment>kNoCableCommand</extracomment>
        <translation>no cable command given (convert, receive or send)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>--blocks is for send</source>
        <extracomment>kBlocksAreForSend</extracomment>
        <translation>--blocks is for send</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>convert moves nothing over the cable: no --log or --quiet</source>
        <extracomment>kConvertMovesNothing</extracomment>
        <translation>convert moves nothing over the cable: no --log or --quiet</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>convert takes a KIND, an INPUT and an OUTPUT</source>
        <extracomment>kConvertTakes</extracomment>
        <translation>convert takes a KIND, an INPUT and an OUTPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>unknown cable command '%1'</source>
        <extracomment>kUnknownCableCommand</extracomment>
        <translation>unknown cable command '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>receive takes usb or a port and an OUTPUT</source>
        <extracomment>kReceiveTakes</extracomment>
        <translation>receive takes usb or a port and an OUTPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>send takes usb or a port and an INPUT</source>
        <extracomment>kSendTakes</extracomment>
        <translation>send takes usb or a port and an INPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>--blocks takes coords or codes, not '%1'</source>
        <extracomment>kBlocksTakes</extracomment>
        <translation>--blocks takes coords or codes, not '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.h"/>
        <source>usage: harwick cable convert KIND INPUT OUTPUT
       harwick cable receive usb|COMn|DEVICE OUTPUT [--quiet] [--log FILE]
       harwick cable send usb|COMn|DEVICE INPUT [--blocks coords|codes] [--quiet] [--log FILE]

KIND is one of code-blocks, measured-blocks, coord-blocks, kard-to-blocks,
kard600-to-kard300, gsi-to-kard, kard-to-dxf. Receiving and sending use the
settings in ./qtr_cfg.ini (protocol, baud rate, time-out, row delay); a COM
port or device path (/dev/ttyUSB0) named here replaces the one set there.
--blocks sends a KARD list as coordinate blocks or a code list as code blocks
(COM only); without it the text goes line by line.
On a terminal, receive and send show their progress on one line of stderr
(lines, of how many for a send line by line, bytes, rate, time); --quiet
leaves it out.
</source>
        <extracomment>kCableUsage</extracomment>
        <translation>usage: harwick cable convert KIND INPUT OUTPUT
       harwick cable receive usb|COMn|DEVICE OUTPUT [--quiet] [--log FILE]
       harwick cable send usb|COMn|DEVICE INPUT [--blocks coords|codes] [--quiet] [--log FILE]

KIND is one of code-blocks, measured-blocks, coord-blocks, kard-to-blocks,
kard600-to-kard300, gsi-to-kard, kard-to-dxf. Receiving and sending use the
settings in ./qtr_cfg.ini (protocol, baud rate, time-out, row delay); a COM
port or device path (/dev/ttyUSB0) named here replaces the one set there.
--blocks sends a KARD list as coordinate blocks or a code list as code blocks
(COM only); without it the text goes line by line.
On a terminal, receive and send show their progress on one line of stderr
(lines, of how many for a send line by line, bytes, rate, time); --quiet
leaves it out.
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.cpp"/>
        <source>%1: %2; see '%1 --help'</source>
        <extracomment>kUsageProblem</extracomment>
        <translation>%1: %2; see '%1 --help'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.cpp"/>
        <source>warning: %1</source>
        <extracomment>kWarning</extracomment>
        <translation>warning: %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.cpp"/>
        <source>%1 takes no value</source>
        <extracomment>kTakesNoValue</extracomment>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>unknown option '%1'</source>
        <extracomment>kUnknownOption</extracomment>
        <translation>unknown option '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>%1 needs a value</source>
        <extracomment>kNeedsValue</extracomment>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>unexpected '%1'</source>
        <extracomment>kUnexpectedWord</extracomment>
        <translation>unexpected '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>--json is for list</source>
        <extracomment>kJsonIsForList</extracomment>
        <translation>--json is for list</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>converted %1 point(s) from %2 '%3' to %4 '%5' (precision %6)</source>
        <extracomment>kConverted</extracomment>
        <translation>converted %1 point(s) from %2 '%3' to %4 '%5' (precision %6)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1': not a point list of any kind known here (%2)</source>
        <extracomment>kNoKnownKind</extracomment>
        <translation>'%1': not a point list of any kind known here (%2)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> or </source>
        <extracomment>kKindOr kCouldBeOr</extracomment>
        <translation> or </translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1' could be %2: say which with --from</source>
        <extracomment>kCouldBe</extracomment>
        <translation>'%1' could be %2: say which with --from</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1': unknown kind of output (name it .gsi16, .gsi8, .dat, .idx, .csv, .geojson, .xml or .dxf, or give --to)</source>
        <extracomment>kUnknownOutputKind</extracomment>
        <translation>'%1': unknown kind of output (name it .gsi16, .gsi8, .dat, .idx, .csv, .geojson, .xml or .dxf, or give --to)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1': no points found.</source>
        <extracomment>kNoPointsFound</extracomment>
        <translation>'%1': no points found.</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>reduce reads GSI jobs and writes one file: %1 does not apply</source>
        <extracomment>kReduceDoesNotApply</extracomment>
        <translation>reduce reads GSI jobs and writes one file: %1 does not apply</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>precision must be 0.001, 0.0001 or 0.00001, not '%1'</source>
        <extracomment>kBadPrecision</extracomment>
        <translation>precision must be 0.001, 0.0001 or 0.00001, not '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>%1 takes %2, not '%3'</source>
        <extracomment>kTakesKinds</extracomment>
        <translation>%1 takes %2, not '%3'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>--text-height takes a positive number, not '%1'</source>
        <extracomment>kBadTextHeight</extracomment>
        <translation>--text-height takes a positive number, not '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>--out-dir needs --to KIND</source>
        <extracomment>kOutDirNeedsTo</extracomment>
        <translation>--out-dir needs --to KIND</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>--out-dir converts the FILEs named after it; none is</source>
        <extracomment>kOutDirNoFiles</extracomment>
        <translation>--out-dir converts the FILEs named after it; none is</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>convert takes an INPUT and an OUTPUT file</source>
        <extracomment>kConvertTakes</extracomment>
        <translation>convert takes an INPUT and an OUTPUT file</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>cannot make the folder '%1': %2</source>
        <extracomment>kCannotMakeFolder</extracomment>
        <translation>cannot make the folder '%1': %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1' is not converted: '%2' is made from '%3' already</source>
        <extracomment>kMadeAlready</extracomment>
        <translation>'%1' is not converted: '%2' is made from '%3' already</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>%1 of %2 file(s) not converted</source>
        <extracomment>kNotConverted</extracomment>
        <translation>%1 of %2 file(s) not converted</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.h"/>
        <source>usage: harwick convert [OPTIONS] INPUT OUTPUT
       harwick convert [OPTIONS] --to KIND --out-dir DIR FILE...

Converts a point list. The kind of INPUT comes from its name: GSI (.gsi),
KARD (.dat), IDX (.idx), CSV (.csv), GeoJSON (.geojson, .json), LandXML
(.xml, .landxml) or DXF (.dxf); a name that says none, or --from auto, has it
found from the content (a file that could be more than one kind is refused
with the kinds it could be). OUTPUT is written as GSI-16 (.gsi16), GSI-8
(.gsi8), KARD (.dat), IDX (.idx), CSV, GeoJSON, LandXML or DXF as its name
says; a DXF drawing has a POINT per point on a layer named after its code,
labelled with its name and elevation. A .gsi16 or .gsi8 output is saved with
the extension .gsi; a plain .gsi output keeps the flavour of a GSI input and
is GSI-16 otherwise. The precision decides the decimals of the coordinates
and the GSI unit; without --precision it is taken from the input. Blocks
skipped on reading and anything the output cannot hold (rows left out, values
or names cut) are reported on stderr. With --out-dir every FILE is converted
into DIR as --to says; a file that fails is reported and the others still
convert, and the exit code is 1 when any failed.

Options:
  --precision 0.001|0.0001|0.00001
  --from KIND, --to KIND   gsi16, gsi8, gsi, kard, idx, csv, geojson, landxml,
                           dxf (--from also auto)
  --columns LIST           CSV columns in their order, e.g. name,n,e,z,code
  --delimiter , | ; | tab  CSV delimiter
  --decimal-comma          CSV coordinates with a decimal comma
  --crs EPSG:n             GeoJSON: the coordinate system GIS programs read
  --text-height H          DXF: the labels' height in drawing units (default 1)
CSV options given for a CSV input are used instead of what is found in it.
</source>
        <extracomment>kConvertUsage</extracomment>
        <translation>usage: harwick convert [OPTIONS] INPUT OUTPUT
       harwick convert [OPTIONS] --to KIND --out-dir DIR FILE...

Converts a point list. The kind of INPUT comes from its name: GSI (.gsi),
KARD (.dat), IDX (.idx), CSV (.csv), GeoJSON (.geojson, .json), LandXML
(.xml, .landxml) or DXF (.dxf); a name that says none, or --from auto, has it
found from the content (a file that could be more than one kind is refused
with the kinds it could be). OUTPUT is written as GSI-16 (.gsi16), GSI-8
(.gsi8), KARD (.dat), IDX (.idx), CSV, GeoJSON, LandXML or DXF as its name
says; a DXF drawing has a POINT per point on a layer named after its code,
labelled with its name and elevation. A .gsi16 or .gsi8 output is saved with
the extension .gsi; a plain .gsi output keeps the flavour of a GSI input and
is GSI-16 otherwise. The precision decides the decimals of the coordinates
and the GSI unit; without --precision it is taken from the input. Blocks
skipped on reading and anything the output cannot hold (rows left out, values
or names cut) are reported on stderr. With --out-dir every FILE is converted
into DIR as --to says; a file that fails is reported and the others still
convert, and the exit code is 1 when any failed.

Options:
  --precision 0.001|0.0001|0.00001
  --from KIND, --to KIND   gsi16, gsi8, gsi, kard, idx, csv, geojson, landxml,
                           dxf (--from also auto)
  --columns LIST           CSV columns in their order, e.g. name,n,e,z,code
  --delimiter , | ; | tab  CSV delimiter
  --decimal-comma          CSV coordinates with a decimal comma
  --crs EPSG:n             GeoJSON: the coordinate system GIS programs read
  --text-height H          DXF: the labels' height in drawing units (default 1)
CSV options given for a CSV input are used instead of what is found in it.
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>convert point lists between GSI, KARD, IDX, CSV, GeoJSON, LandXML and DXF</source>
        <extracomment>kConvertSummary</extracomment>
        <translation>convert point lists between GSI, KARD, IDX, CSV, GeoJSON, LandXML and DXF</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>compute points from the measurements of a GSI job</source>
        <extracomment>kReduceSummary</extracomment>
        <translation>compute points from the measurements of a GSI job</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>list, download, upload and erase the instrument's memory over a COM port</source>
        <extracomment>kStationSummary</extracomment>
        <translation>list, download, upload and erase the instrument's memory over a COM port</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>receive and send over USB or a COM port, and the cable program's conversions</source>
        <extracomment>kCableSummary</extracomment>
        <translation>receive and send over USB or a COM port, and the cable program's conversions</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>list the serial ports present by COM name, and name a device COMn</source>
        <extracomment>kPortsSummary</extracomment>
        <translation>list the serial ports present by COM name, and name a device COMn</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>list USB instruments and whether you may open them, and allow one</source>
        <extracomment>kUsbSummary</extracomment>
        <translation>list USB instruments and whether you may open them, and allow one</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>usage: harwick [--version] [--help] COMMAND [ARGUMENTS]

The Harwick survey suite's command line: point lists, and the instrument
over its cable.

Commands:
</source>
        <extracomment>kHelpHead</extracomment>
        <translation>usage: harwick [--version] [--help] COMMAND [ARGUMENTS]

The Harwick survey suite's command line: point lists, and the instrument
over its cable.

Commands:
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>
'harwick COMMAND --help' (or 'harwick help COMMAND') gives a command's usage.
Exit status: 0 done, 1 failed (the reason on stderr), 2 a wrong command line.
</source>
        <extracomment>kHelpTail</extracomment>
        <translation>
'harwick COMMAND --help' (or 'harwick help COMMAND') gives a command's usage.
Exit status: 0 done, 1 failed (the reason on stderr), 2 a wrong command line.
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>no command '%1'</source>
        <extracomment>kNoCommand</extracomment>
        <translation>no command '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>unknown command '%1'</source>
        <extracomment>kUnknownCommand</extracomment>
        <translation>unknown command '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/listing.h"/>
        <source>not usable: </source>
        <extracomment>kNotUsable</extracomment>
        <translation>not usable: </translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/listing.h"/>
        <source>ok</source>
        <extracomment>kUsable</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/ports.cpp"/>
        <source>%1 is %2</source>
        <extracomment>kMapped</extracomment>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/ports.cpp"/>
        <source>no serial ports found</source>
        <extracomment>kNoPorts</extracomment>
        <translation>no serial ports found</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/ports.cpp"/>
        <source>--json is for the list</source>
        <extracomment>kJsonIsForTheList</extracomment>
        <translation>--json is for the list</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/ports.cpp"/>
        <source>map takes a COM name and a DEVICE</source>
        <extracomment>kMapTakes</extracomment>
        <translation>map takes a COM name and a DEVICE</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/ports.h"/>
        <source>usage: harwick ports [--json]
       harwick ports map COMn DEVICE

Lists the serial ports present: the COM name the programs use for each, its
device, what it is, its /dev/serial/by-id path, and whether you may open it
(if not, why and what to do). --json prints them as one JSON array.

map names DEVICE COMn in the ports map (~/.config/harwick/ports), through
its /dev/serial/by-id path where it has one. Made for the first time, the
map first takes every present port under the name it has now.
</source>
        <extracomment>kPortsUsage</extracomment>
        <translation>usage: harwick ports [--json]
       harwick ports map COMn DEVICE

Lists the serial ports present: the COM name the programs use for each, its
device, what it is, its /dev/serial/by-id path, and whether you may open it
(if not, why and what to do). --json prints them as one JSON array.

map names DEVICE COMn in the ports map (~/.config/harwick/ports), through
its /dev/serial/by-id path where it has one. Made for the first time, the
map first takes every present port under the name it has now.
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/progress_line.cpp"/>
        <source>%1 of %2</source>
        <extracomment>kOfTotal</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/progress_line.cpp"/>
        <source>%1 elapsed</source>
        <extracomment>kElapsed</extracomment>
        <translation>%1 elapsed</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/progress_line.cpp"/>
        <source>about %1 left</source>
        <extracomment>kLeft</extracomment>
        <translation>about %1 left</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>GSI job</source>
        <extracomment>kJobKind</extracomment>
        <translation>GSI job</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>reduced %1 point(s) from %2 '%3' to %4 '%5' (precision %6)</source>
        <extracomment>kReduced</extracomment>
        <translation>reduced %1 point(s) from %2 '%3' to %4 '%5' (precision %6)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>point</source>
        <extracomment>kPointColumn</extracomment>
        <translation>point</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>dist (m)</source>
        <extracomment>kDistanceColumn</extracomment>
        <translation>dist (m)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>   computed minus instrument</source>
        <extracomment>kComputedMinusInstrument</extracomment>
        <translation>   computed minus instrument</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>largest difference over %1 point(s): %2 m in position (%3)</source>
        <extracomment>kLargestInPosition</extracomment>
        <translation>largest difference over %1 point(s): %2 m in position (%3)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>, %1 m in height (%2)</source>
        <extracomment>kLargestInHeight</extracomment>
        <translation>, %1 m in height (%2)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>--json is for --compare</source>
        <extracomment>kJsonIsForCompare</extracomment>
        <translation>--json is for --compare</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>--compare --json prints the comparison alone: no OUTPUT</source>
        <extracomment>kJsonNoOutput</extracomment>
        <translation>--compare --json prints the comparison alone: no OUTPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>reduce --compare takes an INPUT and, if it is to be written, an OUTPUT</source>
        <extracomment>kCompareTakes</extracomment>
        <translation>reduce --compare takes an INPUT and, if it is to be written, an OUTPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>reduce takes an INPUT and an OUTPUT file</source>
        <extracomment>kReduceTakes</extracomment>
        <translation>reduce takes an INPUT and an OUTPUT file</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>'%1': no points: it holds no measured blocks that give one</source>
        <extracomment>kNoPoints</extracomment>
        <translation>'%1': no points: it holds no measured blocks that give one</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>'%1': nothing to compare: no block carries both measurements and the instrument's coordinates</source>
        <extracomment>kNothingToCompare</extracomment>
        <translation>'%1': nothing to compare: no block carries both measurements and the instrument's coordinates</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.h"/>
        <source>usage: harwick reduce [OPTIONS] INPUT OUTPUT
       harwick reduce --compare [OPTIONS] INPUT [OUTPUT]

Computes points from a GSI job's measurements. A station block (84, 85, 86
station easting, northing, height; 88 instrument height) sets the station for
the blocks after it; each measured block (21 direction from grid north, 22
zenith angle, 31 slope or 32 horizontal distance, 33 height difference, 87
reflector height, 11 name, 71 code) becomes a point. A block that carries the
instrument's own coordinates (81-83) keeps them. Blocks measured before any
station are computed from the origin with instrument height 0, and blocks that
cannot give a point are reported with their line. OUTPUT is written as
`harwick convert` writes it, with the same output options (--precision, --to,
--columns, --delimiter, --decimal-comma, --crs, --text-height).

  --compare   for every block with both measurements and the instrument's
              coordinates, print computed minus instrument (east, north,
              height, horizontal) and the largest differences
  --json      with --compare and no OUTPUT: the comparison as one JSON
              document (input, notes, points with dE, dN, dH, distance,
              and the largest differences)
</source>
        <extracomment>kReduceUsage</extracomment>
        <translation>usage: harwick reduce [OPTIONS] INPUT OUTPUT
       harwick reduce --compare [OPTIONS] INPUT [OUTPUT]

Computes points from a GSI job's measurements. A station block (84, 85, 86
station easting, northing, height; 88 instrument height) sets the station for
the blocks after it; each measured block (21 direction from grid north, 22
zenith angle, 31 slope or 32 horizontal distance, 33 height difference, 87
reflector height, 11 name, 71 code) becomes a point. A block that carries the
instrument's own coordinates (81-83) keeps them. Blocks measured before any
station are computed from the origin with instrument height 0, and blocks that
cannot give a point are reported with their line. OUTPUT is written as
`harwick convert` writes it, with the same output options (--precision, --to,
--columns, --delimiter, --decimal-comma, --crs, --text-height).

  --compare   for every block with both measurements and the instrument's
              coordinates, print computed minus instrument (east, north,
              height, horizontal) and the largest differences
  --json      with --compare and no OUTPUT: the comparison as one JSON
              document (input, notes, points with dE, dN, dH, distance,
              and the largest differences)
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>blocks</source>
        <extracomment>kBlocksUnit</extracomment>
        <translation>blocks</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>say which job receives the fixpoints with --job N</source>
        <extracomment>kSayWhichJob</extracomment>
        <translation>say which job receives the fixpoints with --job N</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>the instrument has no job %1</source>
        <extracomment>kNoSuchJob</extracomment>
        <translation>the instrument has no job %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>job %1 is empty: give it a name with --name</source>
        <extracomment>kJobIsEmpty</extracomment>
        <translation>job %1 is empty: give it a name with --name</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1: the instrument does not answer</source>
        <extracomment>kDoesNotAnswer</extracomment>
        <translation>%1: the instrument does not answer</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1: the instrument did not answer '%2'</source>
        <extracomment>kDidNotAnswer</extracomment>
        <translation>%1: the instrument did not answer '%2'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1: unexpected reply '%2'</source>
        <extracomment>kUnexpectedReply</extracomment>
        <translation>%1: unexpected reply '%2'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>nothing to do</source>
        <extracomment>kNothingToDo</extracomment>
        <translation>nothing to do</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1: the instrument stopped answering</source>
        <extracomment>kStoppedAnswering</extracomment>
        <translation>%1: the instrument stopped answering</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>unexpected identification reply '%1'</source>
        <extracomment>kUnexpectedIdentification</extracomment>
        <translation>unexpected identification reply '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>downloaded to %1</source>
        <extracomment>kDownloadedTo</extracomment>
        <translation>downloaded to %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>uploaded %1</source>
        <extracomment>kUploaded</extracomment>
        <translation>uploaded %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>erased</source>
        <extracomment>kErased</extracomment>
        <translation>erased</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>name the object to download as: job N fixpoints|job N measurements|codelist N|hal N|val N</source>
        <extracomment>kNameDownloadObject</extracomment>
        <translation>name the object to download as: job N fixpoints|job N measurements|codelist N|hal N|val N</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>name the object to erase as: job N [fixpoints|measurements]|codelist|hal N|val N</source>
        <extracomment>kNameEraseObject</extracomment>
        <translation>name the object to erase as: job N [fixpoints|measurements]|codelist|hal N|val N</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>erasing cannot be undone: add --yes</source>
        <extracomment>kAddYes</extracomment>
        <translation>erasing cannot be undone: add --yes</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>no station command given (list, download, upload or erase)</source>
        <extracomment>kNoStationCommand</extracomment>
        <translation>no station command given (list, download, upload or erase)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1 takes a positive whole number, not '%2'</source>
        <extracomment>kTakesPositive</extracomment>
        <translation>%1 takes a positive whole number, not '%2'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>unknown station command '%1'</source>
        <extracomment>kUnknownStationCommand</extracomment>
        <translation>unknown station command '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>name the port, for example COM1</source>
        <extracomment>kNamePort</extracomment>
        <translation>name the port, for example COM1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>'%1' is not a port name (COM1 ... COM256)</source>
        <extracomment>kNotPortName</extracomment>
        <translation>'%1' is not a port name (COM1 ... COM256)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>list takes only the PORT</source>
        <extracomment>kListTakes</extracomment>
        <translation>list takes only the PORT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>download takes the PORT, an OBJECT and a FILE</source>
        <extracomment>kDownloadTakes</extracomment>
        <translation>download takes the PORT, an OBJECT and a FILE</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>upload takes the PORT and one FILE</source>
        <extracomment>kUploadTakes</extracomment>
        <translation>upload takes the PORT and one FILE</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>erase takes the PORT and an OBJECT</source>
        <extracomment>kEraseTakes</extracomment>
        <translation>erase takes the PORT and an OBJECT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.h"/>
        <source>usage: harwick station list PORT [--json] [--timeout MS] [--log FILE]
       harwick station download PORT OBJECT FILE [--quiet] [--timeout MS] [--log FILE]
       harwick station upload PORT FILE [--job N] [--name NAME] [--quiet] [--timeout MS] [--log FILE]
       harwick station erase PORT OBJECT --yes [--timeout MS] [--log FILE]

PORT is COM1 ... COM256 (harwick ports shows which are present). OBJECT is one
of: job N fixpoints, job N measurements, codelist N, hal N, val N; erase also
takes job N (the whole job) and codelist.
list prints what the instrument holds; with --json, as one JSON document
(port, serial, code lists, jobs with their parts' block counts, formats and
alignments).
A download FILE named .dat receives job data as KARD lines. An upload is told
by the file's name: .hal and .val alignments, .crf code lists, anything else
fixpoints, which go into job N (--job) and name an empty job (--name).
On a terminal, download and upload show their progress on one line of stderr
(blocks, of how many where known, bytes, rate, time); --quiet leaves it out.
--timeout MS is how long each reply is waited for.
</source>
        <extracomment>kStationUsage</extracomment>
        <translation>usage: harwick station list PORT [--json] [--timeout MS] [--log FILE]
       harwick station download PORT OBJECT FILE [--quiet] [--timeout MS] [--log FILE]
       harwick station upload PORT FILE [--job N] [--name NAME] [--quiet] [--timeout MS] [--log FILE]
       harwick station erase PORT OBJECT --yes [--timeout MS] [--log FILE]

PORT is COM1 ... COM256 (harwick ports shows which are present). OBJECT is one
of: job N fixpoints, job N measurements, codelist N, hal N, val N; erase also
takes job N (the whole job) and codelist.
list prints what the instrument holds; with --json, as one JSON document
(port, serial, code lists, jobs with their parts' block counts, formats and
alignments).
A download FILE named .dat receives job data as KARD lines. An upload is told
by the file's name: .hal and .val alignments, .crf code lists, anything else
fixpoints, which go into job N (--job) and name an empty job (--name).
On a terminal, download and upload show their progress on one line of stderr
(blocks, of how many where known, bytes, rate, time); --quiet leaves it out.
--timeout MS is how long each reply is waited for.
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/traffic.cpp"/>
        <source>%1; the transfer goes on without it</source>
        <extracomment>kGoesOnWithout</extracomment>
        <translation>%1; the transfer goes on without it</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/traffic.h"/>
        <source>--log FILE writes every chunk that crosses the cable to FILE: milliseconds since
the start, out (to the instrument) or in, the bytes in hex and as text.
</source>
        <extracomment>kLogUsage</extracomment>
        <translation>--log FILE writes every chunk that crosses the cable to FILE: milliseconds since
the start, out (to the instrument) or in, the bytes in hex and as text.
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>ok (transfers use it)</source>
        <extracomment>kUsedMark</extracomment>
        <translation>ok (transfers use it)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>names need access</source>
        <extracomment>kNamesNeedAccess</extracomment>
        <translation>names need access</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>no names</source>
        <extracomment>kNoNames</extracomment>
        <translation>no names</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>stale, passed over: nobody holds its pipes (left by a simulator that ended; remove the folder)</source>
        <extracomment>kStale</extracomment>
        <translation>stale, passed over: nobody holds its pipes (left by a simulator that ended; remove the folder)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over: PIPE00 and PIPE01 are not both FIFOs in it</source>
        <extracomment>kNoPipes</extracomment>
        <translation>passed over: PIPE00 and PIPE01 are not both FIFOs in it</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over: its path is too long for the library's 256 characters</source>
        <extracomment>kPathTooLong</extracomment>
        <translation>passed over: its path is too long for the library's 256 characters</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over: PIPE01 does not open: %1</source>
        <extracomment>kRefused</extracomment>
        <translation>passed over: PIPE01 does not open: %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over: %1</source>
        <extracomment>kPassedOverBecause</extracomment>
        <translation>passed over: %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over</source>
        <extracomment>kPassedOver</extracomment>
        <translation>passed over</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>emulated</source>
        <extracomment>kEmulated</extracomment>
        <translation>emulated</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>bus %1 address %2</source>
        <extracomment>kBusAddress</extracomment>
        <translation>bus %1 address %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>listed</source>
        <extracomment>kListed</extracomment>
        <translation>listed</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>not listed (harwick usb add %1)</source>
        <extracomment>kNotListed</extracomment>
        <translation>not listed (harwick usb add %1)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>; fix: install the udev rule that harwick usb add %1 prints (as root it writes it), then plug the device in again</source>
        <extracomment>kUdevFix</extracomment>
        <translation>; fix: install the udev rule that harwick usb add %1 prints (as root it writes it), then plug the device in again</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>libusb does not start: %1</source>
        <extracomment>kLibusbDoesNotStart</extracomment>
        <translation>libusb does not start: %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>no USB instruments found: no emulated interface and no USB device with one bulk IN and one bulk OUT endpoint</source>
        <extracomment>kNoUsbInstruments</extracomment>
        <translation>no USB instruments found: no emulated interface and no USB device with one bulk IN and one bulk OUT endpoint</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>cannot look at %1: %2</source>
        <extracomment>kCannotLookAt</extracomment>
        <translation>cannot look at %1: %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>'%1' is no USB id: give VID:PID, four hexadecimal digits each, e.g. 0a1b:c2d3</source>
        <extracomment>kNoUsbId</extracomment>
        <translation>'%1' is no USB id: give VID:PID, four hexadecimal digits each, e.g. 0a1b:c2d3</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>%1 added to %2</source>
        <extracomment>kAddedTo</extracomment>
        <translation>%1 added to %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>cannot give %1 to its user: %2</source>
        <extracomment>kCannotGive</extracomment>
        <translation>cannot give %1 to its user: %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>%1 is already in %2</source>
        <extracomment>kAlreadyIn</extracomment>
        <translation>%1 is already in %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>cannot add %1 to the list: %2</source>
        <extracomment>kCannotAdd</extracomment>
        <translation>cannot add %1 to the list: %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>To let the logged-in user open it, put this line into %1 as root:
</source>
        <extracomment>kPutRuleAsRoot</extracomment>
        <translation>To let the logged-in user open it, put this line into %1 as root:
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>then reload the rules: sudo sh -c '%1'
</source>
        <extracomment>kThenReload</extracomment>
        <translation>then reload the rules: sudo sh -c '%1'
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>(sudo harwick usb add %1 writes the rule itself.)
</source>
        <extracomment>kSudoWritesIt</extracomment>
        <translation>(sudo harwick usb add %1 writes the rule itself.)
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>udev rule added to %1:
</source>
        <extracomment>kRuleAdded</extracomment>
        <translation>udev rule added to %1:
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>the udev rule is already in %1:
</source>
        <extracomment>kRuleAlreadyThere</extracomment>
        <translation>the udev rule is already in %1:
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>cannot write the udev rule: %1
</source>
        <extracomment>kCannotWriteRule</extracomment>
        <translation>cannot write the udev rule: %1
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>put this line into %1 yourself:
</source>
        <extracomment>kPutRuleYourself</extracomment>
        <translation>put this line into %1 yourself:
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>reload the rules: %1
</source>
        <extracomment>kReload</extracomment>
        <translation>reload the rules: %1
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>list or add?</source>
        <extracomment>kListOrAdd</extracomment>
        <translation>list or add?</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>list takes nothing more</source>
        <extracomment>kListTakesNothing</extracomment>
        <translation>list takes nothing more</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>add takes one VID:PID</source>
        <extracomment>kAddTakes</extracomment>
        <translation>add takes one VID:PID</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.h"/>
        <source>usage: harwick usb list [--json]
       harwick usb add VID:PID

list shows what the cable program's USB library would find, in the order it
tries them: the emulated interfaces (folders of the simulated instrument; a
stale one, left by a simulator that ended, is passed over), then every USB
device with one bulk IN and one bulk OUT endpoint: its id, its names, bus and
address, whether its id is in your usb-devices list and whether you may open
it (if not, why and what to do). --json prints the same as one JSON document.

add puts VID:PID (four hexadecimal digits each) into your usb-devices list and
prints the udev rule that lets the logged-in user open the device; run as root
it also writes the rule into /etc/udev/rules.d/70-harwick-usb.rules.
</source>
        <extracomment>kUsbUsage</extracomment>
        <translation>usage: harwick usb list [--json]
       harwick usb add VID:PID

list shows what the cable program's USB library would find, in the order it
tries them: the emulated interfaces (folders of the simulated instrument; a
stale one, left by a simulator that ended, is passed over), then every USB
device with one bulk IN and one bulk OUT endpoint: its id, its names, bus and
address, whether its id is in your usb-devices list and whether you may open
it (if not, why and what to do). --json prints the same as one JSON document.

add puts VID:PID (four hexadecimal digits each) into your usb-devices list and
prints the udev rule that lets the logged-in user open the device; run as root
it also writes the rule into /etc/udev/rules.d/70-harwick-usb.rules.
</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Cannot open </source>
        <extracomment>kCannotOpen</extracomment>
        <translation>Cannot open </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> is not a point file the editor reads: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml (LandXML) or .dxf.</source>
        <extracomment>kNotAPointFile</extracomment>
        <translation> is not a point file the editor reads: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml (LandXML) or .dxf.</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> could be </source>
        <extracomment>kCouldBe</extracomment>
        <translation> could be </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>: give it the extension of the one it is.</source>
        <extracomment>kNameTheKind</extracomment>
        <translation>: give it the extension of the one it is.</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>No points were found in </source>
        <extracomment>kNoPointsFound</extracomment>
        <translation>No points were found in </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>The grid was left as it was.</source>
        <extracomment>kGridKept</extracomment>
        <translation>The grid was left as it was.</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> holds </source>
        <extracomment>kMeasuredHolds</extracomment>
        <translation> holds </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> measured block without coordinates</source>
        <extracomment>kMeasuredBlock</extracomment>
        <translation> measured block without coordinates</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> measured blocks without coordinates</source>
        <extracomment>kMeasuredBlocks</extracomment>
        <translation> measured blocks without coordinates</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>. Compute their points from the measurements? (No opens only the points with coordinates.)</source>
        <extracomment>kComputeQuestion</extracomment>
        <translation>. Compute their points from the measurements? (No opens only the points with coordinates.)</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> Computed points are saved under a new name, so that the measurements are kept.</source>
        <extracomment>kComputedUntitled</extracomment>
        <translation> Computed points are saved under a new name, so that the measurements are kept.</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Cannot save </source>
        <extracomment>kCannotSave</extracomment>
        <translation>Cannot save </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> is not a kind of file the editor writes: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml (LandXML) or .dxf. Nothing was saved.</source>
        <extracomment>kUnknownSaveKind</extracomment>
        <translation> is not a kind of file the editor writes: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml (LandXML) or .dxf. Nothing was saved.</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> already exists.
Do you want to replace it?</source>
        <extracomment>kAlreadyExists</extracomment>
        <translation> already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> would hold less than the grid:</source>
        <extracomment>kWouldHoldLess</extracomment>
        <translation> would hold less than the grid:</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>

Save anyway?</source>
        <extracomment>kSaveAnyway</extracomment>
        <translation>

Save anyway?</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Nothing was saved.</source>
        <extracomment>kNotSaved</extracomment>
        <translation>Nothing was saved.</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Opened </source>
        <extracomment>kOpenedPrefix</extracomment>
        <translation>Opened </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Saved </source>
        <extracomment>kSavedPrefix</extracomment>
        <translation>Saved </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> point(s).</source>
        <extracomment>kPointsSuffix</extracomment>
        <translation> point(s).</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Name</source>
        <extracomment>kNameColumn</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Y(Easting)</source>
        <extracomment>kEastingColumn</extracomment>
        <translation>Y(Easting)</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>X(Northing)</source>
        <extracomment>kNorthingColumn</extracomment>
        <translation>X(Northing)</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>H(Elevation)</source>
        <extracomment>kElevationColumn</extracomment>
        <translation>H(Elevation)</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Setting</source>
        <extracomment>kSettingEntry</extracomment>
        <translation>Setting</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>OPTIONS</source>
        <extracomment>kOptionsTitle</extracomment>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Unit:</source>
        <extracomment>kUnitLabel</extracomment>
        <translation>Unit:</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Precision:</source>
        <extracomment>kPrecisionLabel</extracomment>
        <translation>Precision:</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>About pointbook</source>
        <extracomment>kAboutTitle</extracomment>
        <translation>About pointbook</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>Open File False!</source>
        <extracomment>kOpenFailed</extracomment>
        <translation>Open File False!</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>tip</source>
        <extracomment>kResultCaption</extracomment>
        <translation>tip</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>Writing dxf file done,%d Point convert ok!</source>
        <extracomment>kDoneFormat</extracomment>
        <translation>Writing dxf file done,%d Point convert ok!</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>Error while writing dxf file!</source>
        <extracomment>kWriteFailed</extracomment>
        <translation>Error while writing dxf file!</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>%s already exists.
Do you want to replace it?</source>
        <extracomment>kReplaceFormat</extracomment>
        <translation>%s already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <source>Open GSI file</source>
        <extracomment>kOpenTitle kPathLabel</extracomment>
        <translation>Open GSI file</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>GSI File (*.gsi)</source>
        <extracomment>kOpenFilter</extracomment>
        <translation>GSI File (*.gsi)</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>Save as DXF file</source>
        <extracomment>kSaveTitle</extracomment>
        <translation>Save as DXF file</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>DXF File (*.dxf)</source>
        <extracomment>kSaveFilter</extracomment>
        <translation>DXF File (*.dxf)</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <source>Font height setting:</source>
        <extracomment>kFontHeightLabel</extracomment>
        <translation>Font height setting:</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>About...</source>
        <extracomment>kAboutButton kAboutEntry</extracomment>
        <translation>About...</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <source>About sketchconv</source>
        <extracomment>kAboutTitle</extracomment>
        <translation>About sketchconv</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <source>Version 1.2</source>
        <extracomment>kAboutVersion</extracomment>
        <translation>Version 1.2</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/device_tree.h"/>
        <source>&lt;EMPTY&gt;</source>
        <extracomment>kPlaceholderTitle</extracomment>
        <translation>&lt;EMPTY&gt;</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/download.cpp"/>
        <source>The file has been existed,cover it?</source>
        <extracomment>kFileExists</extracomment>
        <translation>The file has been existed,cover it?</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/download.cpp"/>
        <source>Wrong</source>
        <extracomment>kWrong</extracomment>
        <translation>Wrong</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/erase.cpp"/>
        <source>
Really?</source>
        <extracomment>kReally</extracomment>
        <translation>
Really?</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/erase.cpp"/>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>Warning</source>
        <extracomment>kWarningCaption kWarningCaption</extracomment>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>New Folder</source>
        <extracomment>kNewFolderName kNewFolderCaption</extracomment>
        <translation>New Folder</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>New Folder (%d)</source>
        <extracomment>kNewFolderNumbered</extracomment>
        <translation>New Folder (%d)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>No new folder can be created in </source>
        <extracomment>kNewFolderFailed</extracomment>
        <translation>No new folder can be created in </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>Rename Failed</source>
        <extracomment>kRenameFailed</extracomment>
        <translation>Rename Failed</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>:This file has the same name with another file,Please set a new name</source>
        <extracomment>kRenameSameName</extracomment>
        <translation>:This file has the same name with another file,Please set a new name</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>Rename FileName or  FolderName Error </source>
        <extracomment>kRenameCaption</extracomment>
        <translation>Rename FileName or  FolderName Error </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>Delete file </source>
        <extracomment>kDeleteQuestion</extracomment>
        <translation>Delete file </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>The file will be delete!-Really?</source>
        <extracomment>kDeleteReally</extracomment>
        <translation>The file will be delete!-Really?</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source> (F)File</source>
        <extracomment>kFileTypeSuffix</extracomment>
        <translation> (F)File</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>unknown file format</source>
        <extracomment>kUnknownFileFormat</extracomment>
        <translation>unknown file format</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>cannot open serial port</source>
        <extracomment>kCannotOpenSerialPort</extracomment>
        <translation>cannot open serial port</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Port initial failed</source>
        <extracomment>kPortInitialFailed</extracomment>
        <translation>Port initial failed</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Port inital failed</source>
        <extracomment>kPortInitalFailed</extracomment>
        <translation>Port inital failed</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Port initialize failed</source>
        <extracomment>kPortInitializeFailed</extracomment>
        <translation>Port initialize failed</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Initialize failure</source>
        <extracomment>kInitializeFailure</extracomment>
        <translation>Initialize failure</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>connect failed</source>
        <extracomment>kConnectFailed</extracomment>
        <translation>connect failed</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Connect Error</source>
        <extracomment>kConnectError</extracomment>
        <translation>Connect Error</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Time Out</source>
        <extracomment>kTimeOut</extracomment>
        <translation>Time Out</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/move.h"/>
        <source>Only a code list, a job's fixpoints or measurement data, or a road alignment can be moved. Nothing was copied and nothing was erased.</source>
        <extracomment>kMoveNothingToCopy</extracomment>
        <translation>Only a code list, a job's fixpoints or measurement data, or a road alignment can be moved. Nothing was copied and nothing was erased.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/move.h"/>
        <source>Nothing was erased on the instrument. </source>
        <extracomment>kMoveKeptOnInstrument</extracomment>
        <translation>Nothing was erased on the instrument. </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/move.h"/>
        <source>the object is no longer listed.</source>
        <extracomment>kMoveNoLongerListed</extracomment>
        <translation>the object is no longer listed.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source>The instrument stopped answering (no reply to %1).</source>
        <extracomment>kNoAnswer</extracomment>
        <translation>The instrument stopped answering (no reply to %1).</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source>The instrument answered %1, which was not expected.</source>
        <extracomment>kUnexpectedReply</extracomment>
        <translation>The instrument answered %1, which was not expected.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> No file was written.</source>
        <extracomment>kNoFileWritten</extracomment>
        <translation> No file was written.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> %1 was not written; a file already there keeps its old content. The data is still on the instrument.</source>
        <extracomment>kFileNotWritten</extracomment>
        <translation> %1 was not written; a file already there keeps its old content. The data is still on the instrument.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> Nothing was sent to the instrument.</source>
        <extracomment>kNothingSent</extracomment>
        <translation> Nothing was sent to the instrument.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> The instrument acknowledged %1 line of %2 before the upload stopped, so it may hold part of the data: upload the file again.</source>
        <extracomment>kPartlyUploadedLine</extracomment>
        <translation> The instrument acknowledged %1 line of %2 before the upload stopped, so it may hold part of the data: upload the file again.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> The instrument acknowledged %1 lines of %2 before the upload stopped, so it may hold part of the data: upload the file again.</source>
        <extracomment>kPartlyUploadedLines</extracomment>
        <translation> The instrument acknowledged %1 lines of %2 before the upload stopped, so it may hold part of the data: upload the file again.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source>The instrument answered %1 while it was being listed, so the listing was stopped. Update to list it again.</source>
        <extracomment>kListingStopped</extracomment>
        <translation>The instrument answered %1 while it was being listed, so the listing was stopped. Update to list it again.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source>Nothing was done: %1.</source>
        <extracomment>kNothingDone</extracomment>
        <translation>Nothing was done: %1.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> Whether it erased anything is not known; the list still shows the object as it was. List the instrument again to see.</source>
        <extracomment>kEraseUnknown</extracomment>
        <translation> Whether it erased anything is not known; the list still shows the object as it was. List the instrument again to see.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> The list still shows the object as it was.</source>
        <extracomment>kListUnchanged</extracomment>
        <translation> The list still shows the object as it was.</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Coordinate files (*.crd)</source>
        <extracomment>kFilterCoordinates</extracomment>
        <translation>Coordinate files (*.crd)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Measurement data files (*.mdt)</source>
        <extracomment>kFilterMeasurements</extracomment>
        <translation>Measurement data files (*.mdt)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Format files (*.frt)</source>
        <extracomment>kFilterFormats</extracomment>
        <translation>Format files (*.frt)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Codelists (*.crf)</source>
        <extracomment>kFilterCodelists</extracomment>
        <translation>Codelists (*.crf)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Text files (*.txt)</source>
        <extracomment>kFilterText</extracomment>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Codelist (*.cde)</source>
        <extracomment>kFilterCodelist</extracomment>
        <translation>Codelist (*.cde)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>GSI files (*.gsi)</source>
        <extracomment>kFilterGsi</extracomment>
        <translation>GSI files (*.gsi)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>IDEX files (*.idx)</source>
        <extracomment>kFilterIdex</extracomment>
        <translation>IDEX files (*.idx)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Road horizon(*.hal)</source>
        <extracomment>kFilterRoadHorizon</extracomment>
        <translation>Road horizon(*.hal)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Road vertical (*.val)</source>
        <extracomment>kFilterRoadVertical</extracomment>
        <translation>Road vertical (*.val)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>NorvikSurvey KARD (*.dat)</source>
        <extracomment>kFilterKard</extracomment>
        <translation>NorvikSurvey KARD (*.dat)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>All files (*.*)</source>
        <extracomment>kFilterAll</extracomment>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Port:</source>
        <extracomment>kPortListLabel</extracomment>
        <translation>Port:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Instrument:</source>
        <extracomment>kInstrumentListLabel</extracomment>
        <translation>Instrument:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Baudrate:</source>
        <extracomment>kBaudRateListLabel</extracomment>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Parity</source>
        <extracomment>kParityListLabel</extracomment>
        <translation>Parity</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Stopbits:</source>
        <extracomment>kStopBitsListLabel</extracomment>
        <translation>Stopbits:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Databits:</source>
        <extracomment>kDataBitsListLabel</extracomment>
        <translation>Databits:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Endmark:</source>
        <extracomment>kEndmarkListLabel</extracomment>
        <translation>Endmark:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Even</source>
        <extracomment>kEvenEntry</extracomment>
        <translation>Even</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Odd</source>
        <extracomment>kOddEntry</extracomment>
        <translation>Odd</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/probe.h"/>
        <source>No serial port could be opened: </source>
        <extracomment>kNoPortOpened</extracomment>
        <translation>No serial port could be opened: </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Move</source>
        <extracomment>kMoveEntry</extracomment>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Delete</source>
        <extracomment>kDeleteEntry</extracomment>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;New Folder</source>
        <extracomment>kNewFolderEntry</extracomment>
        <translation>&amp;New Folder</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Copy</source>
        <extracomment>kCopyEntry</extracomment>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Rename...</source>
        <extracomment>kRenameAskEntry</extracomment>
        <translation>&amp;Rename...</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Update...</source>
        <extracomment>kUpdateAskEntry</extracomment>
        <translation>&amp;Update...</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Update</source>
        <extracomment>kUpdatePcEntry</extracomment>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;New folder</source>
        <extracomment>kNewPcFolderEntry</extracomment>
        <translation>&amp;New folder</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Rename</source>
        <extracomment>kRenameEntry</extracomment>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Pathbar</source>
        <extracomment>kPathbarEntry</extracomment>
        <translation>&amp;Pathbar</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Statusbar</source>
        <extracomment>kStatusbarEntry</extracomment>
        <translation>&amp;Statusbar</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Options</source>
        <extracomment>kOptionsMenu</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Update Device/Files</source>
        <extracomment>kUpdateEntry</extracomment>
        <translation>&amp;Update Device/Files</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;File Info</source>
        <extracomment>kFileInfoEntry</extracomment>
        <translation>&amp;File Info</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Port Setting</source>
        <extracomment>kPortSettingEntry</extracomment>
        <translation>&amp;Port Setting</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Help Topics</source>
        <extracomment>kHelpTopicsEntry</extracomment>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Standard</source>
        <extracomment>kStandardBar</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Buttons</source>
        <extracomment>kButtonsBar</extracomment>
        <translation>Buttons</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Path</source>
        <extracomment>kPathBar</extracomment>
        <translation>Path</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Filter</source>
        <extracomment>kFilterLabel</extracomment>
        <translation>Filter</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Cut</source>
        <extracomment>kCutButton</extracomment>
        <translation>Cut</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Copy</source>
        <extracomment>kCopyButton</extracomment>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Paste</source>
        <extracomment>kPasteButton</extracomment>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Print</source>
        <extracomment>kPrintButton</extracomment>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>An instrument operation is under way</source>
        <extracomment>kBusyText</extracomment>
        <translation>An instrument operation is under way</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>About Harwick Station</source>
        <extracomment>kAboutCaption</extracomment>
        <translation>About Harwick Station</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Part of the Harwick survey suite</source>
        <extracomment>kAboutOwnership</extracomment>
        <translation>Part of the Harwick survey suite</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Initiating Conmmunication</source>
        <extracomment>kWaitInitiating</extracomment>
        <translation>Initiating Conmmunication</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Please wait...</source>
        <extracomment>kWaitPlease</extracomment>
        <translation>Please wait...</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>File Downloading</source>
        <extracomment>kDownloadCaption</extracomment>
        <translation>File Downloading</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Source File:</source>
        <extracomment>kSourceFileLabel</extracomment>
        <translation>Source File:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Destination:</source>
        <extracomment>kDestinationLabel</extracomment>
        <translation>Destination:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>File Name:</source>
        <extracomment>kFileNameLabel</extracomment>
        <translation>File Name:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Format:</source>
        <extracomment>kFormatLabel</extracomment>
        <translation>Format:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Receiving...</source>
        <extracomment>kProgressCaption</extracomment>
        <translation>Receiving...</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>FileType:</source>
        <extracomment>kFileTypeLabel kInfoFileTypeLabel</extracomment>
        <translation>FileType:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Block:</source>
        <extracomment>kBlockLabel</extracomment>
        <translation>Block:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>UpLoad File</source>
        <extracomment>kUploadCaption</extracomment>
        <translation>UpLoad File</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Souce File:</source>
        <extracomment>kUploadSourceLabel</extracomment>
        <translation>Souce File:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Input a new name</source>
        <extracomment>kNewNameCaption</extracomment>
        <translation>Input a new name</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Please input a new name!</source>
        <extracomment>kNewNamePrompt</extracomment>
        <translation>Please input a new name!</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>File Info</source>
        <extracomment>kFileInfoCaption</extracomment>
        <translation>File Info</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>FileName:</source>
        <extracomment>kInfoFileNameLabel</extracomment>
        <translation>FileName:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Path:</source>
        <extracomment>kInfoPathLabel</extracomment>
        <translation>Path:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>FileFormat:</source>
        <extracomment>kInfoFileFormatLabel</extracomment>
        <translation>FileFormat:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Size:</source>
        <extracomment>kInfoSizeLabel</extracomment>
        <translation>Size:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Date:</source>
        <extracomment>kInfoDateLabel</extracomment>
        <translation>Date:</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Communication settings</source>
        <extracomment>kSettingsCaption</extracomment>
        <translation>Communication settings</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Communication Settings</source>
        <extracomment>kSettingsTab</extracomment>
        <translation>Communication Settings</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Current Selection</source>
        <extracomment>kCurrentSelectionGroup</extracomment>
        <translation>Current Selection</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Settings</source>
        <extracomment>kSettingsGroup</extracomment>
        <translation>Settings</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Instrument Exchange</source>
        <extracomment>kExchangeCaption</extracomment>
        <translation>Instrument Exchange</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Coordinate Editor</source>
        <extracomment>kEditorCaption</extracomment>
        <translation>Coordinate Editor</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Codelist Manager</source>
        <extracomment>kCodelistCaption</extracomment>
        <translation>Codelist Manager</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Road Designer</source>
        <extracomment>kRoadCaption</extracomment>
        <translation>Road Designer</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>GSI to DXF</source>
        <extracomment>kSketchCaption</extracomment>
        <translation>GSI to DXF</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Cable Transfer</source>
        <extracomment>kCableCaption</extracomment>
        <translation>Cable Transfer</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/ui/launcher_texts.h"/>
        <source>About toolhub…</source>
        <extracomment>kAboutEntry</extracomment>
        <translation>About toolhub…</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/ui/launcher_texts.h"/>
        <source>About toolhub</source>
        <extracomment>kAboutTitle</extracomment>
        <translation>About toolhub</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/ui/launcher_texts.h"/>
        <source>toolhub version 1.2</source>
        <extracomment>kAboutVersion</extracomment>
        <translation>toolhub version 1.2</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>Accepted columns: name, e or easting, n or northing, z or elevation, code (for example name,n,e,z,code).</source>
        <extracomment>kAcceptedColumns</extracomment>
        <translation>Accepted columns: name, e or easting, n or northing, z or elevation, code (for example name,n,e,z,code).</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>No columns given.</source>
        <extracomment>kNoColumns</extracomment>
        <translation>No columns given.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>Unknown column &quot;</source>
        <extracomment>kUnknownColumn</extracomment>
        <translation>Unknown column &quot;</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The column &quot;</source>
        <extracomment>kColumnTwicePrefix</extracomment>
        <translation>The column &quot;</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>&quot; is given twice.</source>
        <extracomment>kColumnTwiceSuffix</extracomment>
        <translation>&quot; is given twice.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The delimiter must be &quot;,&quot;, &quot;;&quot; or tab.</source>
        <extracomment>kBadDelimiter</extracomment>
        <translation>The delimiter must be &quot;,&quot;, &quot;;&quot; or tab.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>A decimal comma needs the delimiter &quot;;&quot; or tab: with &quot;,&quot; the decimals of a coordinate would be a column of their own.</source>
        <extracomment>kDecimalCommaNeedsDelimiter</extracomment>
        <translation>A decimal comma needs the delimiter &quot;;&quot; or tab: with &quot;,&quot; the decimals of a coordinate would be a column of their own.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>Pass the columns (for example name,n,e,z,code), the delimiter (&quot;,&quot;, &quot;;&quot; or tab) and whether the coordinates have a decimal comma.</source>
        <extracomment>kChoices</extracomment>
        <translation>Pass the columns (for example name,n,e,z,code), the delimiter (&quot;,&quot;, &quot;;&quot; or tab) and whether the coordinates have a decimal comma.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The file holds no lines.</source>
        <extracomment>kNoLines</extracomment>
        <translation>The file holds no lines.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>No delimiter (&quot;,&quot;, &quot;;&quot; or tab) splits the lines into the same number of fields.</source>
        <extracomment>kNoDelimiter</extracomment>
        <translation>No delimiter (&quot;,&quot;, &quot;;&quot; or tab) splits the lines into the same number of fields.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>More than one delimiter splits the lines into columns that fit.</source>
        <extracomment>kManyDelimiters</extracomment>
        <translation>More than one delimiter splits the lines into columns that fit.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The columns cannot be told apart: no header row names them (name, easting, northing, elevation, code), and the rows are not five columns of name, easting, northing, elevation and code with numbers in the second to fourth.</source>
        <extracomment>kColumnsUnknown</extracomment>
        <translation>The columns cannot be told apart: no header row names them (name, easting, northing, elevation, code), and the rows are not five columns of name, easting, northing, elevation and code with numbers in the second to fourth.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The columns given name </source>
        <extracomment>kGivenColumnsPrefix</extracomment>
        <translation>The columns given name </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source> fields, but the rows hold </source>
        <extracomment>kGivenColumnsMiddle</extracomment>
        <translation> fields, but the rows hold </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>Line </source>
        <extracomment>kLinePrefix</extracomment>
        <translation>Line </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>: a quoted field is not closed.</source>
        <extracomment>kUnclosedQuote</extracomment>
        <translation>: a quoted field is not closed.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>: a quoted field goes on after its closing quote.</source>
        <extracomment>kTextAfterQuote</extracomment>
        <translation>: a quoted field goes on after its closing quote.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source> fields where the rows before it have </source>
        <extracomment>kFieldCountSuffix</extracomment>
        <translation> fields where the rows before it have </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>: the </source>
        <extracomment>kCellPrefix</extracomment>
        <translation>: the </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>&quot; is not a number.</source>
        <extracomment>kNotANumber</extracomment>
        <translation>&quot; is not a number.</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>&quot; is not a number with a decimal comma.</source>
        <extracomment>kNotANumberWithComma</extracomment>
        <translation>&quot; is not a number with a decimal comma.</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the text height must be a positive number</source>
        <extracomment>kBadTextHeight</extracomment>
        <translation>the text height must be a positive number</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the code &quot;</source>
        <extracomment>kCodeOnLayerBefore</extracomment>
        <translation>the code &quot;</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>&quot; is drawn on layer &quot;</source>
        <extracomment>kCodeOnLayerMiddle</extracomment>
        <translation>&quot; is drawn on layer &quot;</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>&quot;, the layer of points without a code</source>
        <extracomment>kNoCodeAfter</extracomment>
        <translation>&quot;, the layer of points without a code</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>codes that differ only in letter case share layer &quot;</source>
        <extracomment>kSharedLayerBefore</extracomment>
        <translation>codes that differ only in letter case share layer &quot;</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the name of row </source>
        <extracomment>kNameTooLongBefore</extracomment>
        <translation>the name of row </translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source> is too long for a label and is not shown</source>
        <extracomment>kNameTooLongAfter</extracomment>
        <translation> is too long for a label and is not shown</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>this is a binary drawing: save it as an ASCII DXF drawing to read it</source>
        <extracomment>kBinary</extracomment>
        <translation>this is a binary drawing: save it as an ASCII DXF drawing to read it</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the file is not a DXF drawing: it does not start with a SECTION</source>
        <extracomment>kNotDxf</extracomment>
        <translation>the file is not a DXF drawing: it does not start with a SECTION</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the drawing has no ENTITIES section</source>
        <extracomment>kNoEntities</extracomment>
        <translation>the drawing has no ENTITIES section</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>a group code (a whole number) was expected here</source>
        <extracomment>kBadCode</extracomment>
        <translation>a group code (a whole number) was expected here</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the drawing ends between a group code and its value</source>
        <extracomment>kCutOff</extracomment>
        <translation>the drawing ends between a group code and its value</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>this coordinate is not a number</source>
        <extracomment>kBadValue</extracomment>
        <translation>this coordinate is not a number</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the coordinate system must be given as EPSG:n, for example EPSG:25832</source>
        <extracomment>kBadCrs</extracomment>
        <translation>the coordinate system must be given as EPSG:n, for example EPSG:25832</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the file is not GeoJSON: it holds no FeatureCollection or Feature</source>
        <extracomment>kNotGeoJson</extracomment>
        <translation>the file is not GeoJSON: it holds no FeatureCollection or Feature</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the file holds a bare geometry, not a Feature or FeatureCollection</source>
        <extracomment>kBareGeometry</extracomment>
        <translation>the file holds a bare geometry, not a Feature or FeatureCollection</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the FeatureCollection has no &quot;features&quot; array</source>
        <extracomment>kNoFeatures</extracomment>
        <translation>the FeatureCollection has no &quot;features&quot; array</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>this member of &quot;features&quot; is not a Feature</source>
        <extracomment>kNotAFeature</extracomment>
        <translation>this member of &quot;features&quot; is not a Feature</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a Point's coordinates must be an array of two or three numbers</source>
        <extracomment>kBadPosition</extracomment>
        <translation>a Point's coordinates must be an array of two or three numbers</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a JSON value was expected here</source>
        <extracomment>kExpectedValue</extracomment>
        <translation>a JSON value was expected here</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a member name in double quotes was expected here</source>
        <extracomment>kExpectedKey</extracomment>
        <translation>a member name in double quotes was expected here</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a colon was expected after the member name</source>
        <extracomment>kExpectedColon</extracomment>
        <translation>a colon was expected after the member name</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a comma or a closing brace was expected here</source>
        <extracomment>kExpectedObjectNext</extracomment>
        <translation>a comma or a closing brace was expected here</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a comma or a closing bracket was expected here</source>
        <extracomment>kExpectedArrayNext</extracomment>
        <translation>a comma or a closing bracket was expected here</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the string is not closed</source>
        <extracomment>kUnfinishedString</extracomment>
        <translation>the string is not closed</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a control character must be escaped inside a string</source>
        <extracomment>kControlInString</extracomment>
        <translation>a control character must be escaped inside a string</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>this backslash escape is not JSON</source>
        <extracomment>kBadEscape</extracomment>
        <translation>this backslash escape is not JSON</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>this \u escape is half a surrogate pair</source>
        <extracomment>kBadUnicode</extracomment>
        <translation>this \u escape is half a surrogate pair</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>this number is not written as JSON writes numbers</source>
        <extracomment>kBadNumber</extracomment>
        <translation>this number is not written as JSON writes numbers</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the values are nested too deeply</source>
        <extracomment>kTooDeep</extracomment>
        <translation>the values are nested too deeply</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>there is more text after the GeoJSON object</source>
        <extracomment>kTrailing</extracomment>
        <translation>there is more text after the GeoJSON object</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the name or code holds a control character XML cannot carry</source>
        <extracomment>kControlInText</extracomment>
        <translation>the name or code holds a control character XML cannot carry</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the file is not LandXML: its first element is not LandXML</source>
        <extracomment>kNotLandXml</extracomment>
        <translation>the file is not LandXML: its first element is not LandXML</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the file is not XML: it does not start with markup</source>
        <extracomment>kNotXml</extracomment>
        <translation>the file is not XML: it does not start with markup</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the linear unit &quot;</source>
        <extracomment>kUnknownUnitBefore</extracomment>
        <translation>the linear unit &quot;</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>&quot; is not one this reader knows</source>
        <extracomment>kUnknownUnitAfter</extracomment>
        <translation>&quot; is not one this reader knows</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>a CgPoint's text must be two or three numbers: northing easting [elevation]</source>
        <extracomment>kBadCgPoint</extracomment>
        <translation>a CgPoint's text must be two or three numbers: northing easting [elevation]</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>only UTF-8 files are read; this file names another encoding</source>
        <extracomment>kEncoding</extracomment>
        <translation>only UTF-8 files are read; this file names another encoding</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>document type declarations are not read</source>
        <extracomment>kDoctype</extracomment>
        <translation>document type declarations are not read</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the elements are nested too deeply</source>
        <extracomment>kTooDeep</extracomment>
        <translation>the elements are nested too deeply</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>an element or attribute name was expected here</source>
        <extracomment>kBadName</extracomment>
        <translation>an element or attribute name was expected here</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>an attribute must be written name=&quot;value&quot;</source>
        <extracomment>kBadAttribute</extracomment>
        <translation>an attribute must be written name=&quot;value&quot;</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>a &quot;&lt;&quot; must be written &amp;lt; inside an attribute value</source>
        <extracomment>kLessThanInValue</extracomment>
        <translation>a &quot;&lt;&quot; must be written &amp;lt; inside an attribute value</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the attribute value is not closed</source>
        <extracomment>kUnclosedValue</extracomment>
        <translation>the attribute value is not closed</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>this &amp; starts no known entity or character reference</source>
        <extracomment>kBadReference</extracomment>
        <translation>this &amp; starts no known entity or character reference</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>this markup is not closed</source>
        <extracomment>kUnclosedMarkup</extracomment>
        <translation>this markup is not closed</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>this end tag does not close the element that is open</source>
        <extracomment>kMismatchedEnd</extracomment>
        <translation>this end tag does not close the element that is open</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the file ends before its elements are closed</source>
        <extracomment>kUnclosedElement</extracomment>
        <translation>the file ends before its elements are closed</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>there is more after the LandXML element</source>
        <extracomment>kTrailing</extracomment>
        <translation>there is more after the LandXML element</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> point(s) had no name label beside them and are named by their place in the drawing.</source>
        <extracomment>kNumbered</extracomment>
        <translation> point(s) had no name label beside them and are named by their place in the drawing.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> feature(s) that are not points were passed over.</source>
        <extracomment>kNotPoints</extracomment>
        <translation> feature(s) that are not points were passed over.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> point(s) without both plan coordinates were passed over.</source>
        <extracomment>kNoCoordinates</extracomment>
        <translation> point(s) without both plan coordinates were passed over.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> row(s) lack an easting or a northing, which </source>
        <extracomment>kLeftOut</extracomment>
        <translation> row(s) lack an easting or a northing, which </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> cannot hold: they are left out.</source>
        <extracomment>kLeftOutSuffix</extracomment>
        <translation> cannot hold: they are left out.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source>The file names no units; its values are taken as metres.</source>
        <extracomment>kNoUnits</extracomment>
        <translation>The file names no units; its values are taken as metres.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> block</source>
        <extracomment>kBlock</extracomment>
        <translation> block</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> blocks</source>
        <extracomment>kBlocks</extracomment>
        <translation> blocks</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> line</source>
        <extracomment>kLine</extracomment>
        <translation> line</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> lines</source>
        <extracomment>kLines</extracomment>
        <translation> lines</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> without coordinates</source>
        <extracomment>kWithoutCoordinates</extracomment>
        <translation> without coordinates</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> without a point name</source>
        <extracomment>kWithoutName</extracomment>
        <translation> without a point name</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> was skipped</source>
        <extracomment>kWasSkipped</extracomment>
        <translation> was skipped</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> were skipped</source>
        <extracomment>kWereSkipped</extracomment>
        <translation> were skipped</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source>Only </source>
        <extracomment>kRowsStopPrefix</extracomment>
        <translation>Only </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> of </source>
        <extracomment>kRowsStopOf</extracomment>
        <translation> of </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> rows are saved: row </source>
        <extracomment>kRowsStopRow</extracomment>
        <translation> rows are saved: row </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> has no name, and saving stops at the first row without one.</source>
        <extracomment>kRowsStopSuffix</extracomment>
        <translation> has no name, and saving stops at the first row without one.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> rows after row 9999 are saved without a block number: GSI has four digits for it.</source>
        <extracomment>kBlockNumbersSuffix</extracomment>
        <translation> rows after row 9999 are saved without a block number: GSI has four digits for it.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> coordinate value(s) have more digits than </source>
        <extracomment>kValuesCut</extracomment>
        <translation> coordinate value(s) have more digits than </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> holds and keep only their rightmost digits.</source>
        <extracomment>kValuesCutSuffix</extracomment>
        <translation> holds and keep only their rightmost digits.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> name(s) or code(s) are longer than the </source>
        <extracomment>kTextsCut</extracomment>
        <translation> name(s) or code(s) are longer than the </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> characters </source>
        <extracomment>kTextsCutMiddle</extracomment>
        <translation> characters </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> holds and keep only their last characters.</source>
        <extracomment>kTextsCutSuffix</extracomment>
        <translation> holds and keep only their last characters.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> row(s) lack an easting or a northing: GSI writes no value for them, and they will not read back as points.</source>
        <extracomment>kNoPlanCoordinates</extracomment>
        <translation> row(s) lack an easting or a northing: GSI writes no value for them, and they will not read back as points.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> name(s) or code(s) hold </source>
        <extracomment>kUnfitTexts</extracomment>
        <translation> name(s) or code(s) hold </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source>a comma or a double quote</source>
        <extracomment>kKardUnfit</extracomment>
        <translation>a comma or a double quote</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source>a comma, a double quote or a blank</source>
        <extracomment>kIdxUnfit</extracomment>
        <translation>a comma, a double quote or a blank</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source>, which </source>
        <extracomment>kUnfitMiddle</extracomment>
        <translation>, which </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> cannot hold: those points will not read back as they are.</source>
        <extracomment>kUnfitSuffix</extracomment>
        <translation> cannot hold: those points will not read back as they are.</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> computed from measurements</source>
        <extracomment>kComputed</extracomment>
        <translation> computed from measurements</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> measured before any station block, computed from the origin with instrument height 0</source>
        <extracomment>kFromOrigin</extracomment>
        <translation> measured before any station block, computed from the origin with instrument height 0</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> with the instrument's own coordinates</source>
        <extracomment>kAsGiven</extracomment>
        <translation> with the instrument's own coordinates</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> point</source>
        <extracomment>kPoint</extracomment>
        <translation> point</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> points</source>
        <extracomment>kPoints</extracomment>
        <translation> points</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> measured block skipped</source>
        <extracomment>kSkippedBlock</extracomment>
        <translation> measured block skipped</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> measured blocks skipped</source>
        <extracomment>kSkippedBlocks</extracomment>
        <translation> measured blocks skipped</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source>line </source>
        <extracomment>kLinePrefix</extracomment>
        <translation>line </translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>row %1: %2</source>
        <extracomment>kRowFault</extracomment>
        <translation>row %1: %2</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>line %1, column %2: %3</source>
        <extracomment>kPlaceFault</extracomment>
        <translation>line %1, column %2: %3</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>the %1 is not a number: %2</source>
        <extracomment>kNotANumberFault</extracomment>
        <translation>the %1 is not a number: %2</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>easting</source>
        <extracomment>kEastingWord</extracomment>
        <translation>easting</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>northing</source>
        <extracomment>kNorthingWord</extracomment>
        <translation>northing</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>elevation</source>
        <extracomment>kElevationWord</extracomment>
        <translation>elevation</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>a direction but no distance</source>
        <extracomment>kNoDistance</extracomment>
        <translation>a direction but no distance</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>a distance without its angles</source>
        <extracomment>kNoAngles</extracomment>
        <translation>a distance without its angles</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>a measurement without a point name (word 11)</source>
        <extracomment>kNoName</extracomment>
        <translation>a measurement without a point name (word 11)</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>its horizontal direction (word 21) cannot be read</source>
        <extracomment>kBadDirection</extracomment>
        <translation>its horizontal direction (word 21) cannot be read</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>its zenith angle (word 22) cannot be read</source>
        <extracomment>kBadZenith</extracomment>
        <translation>its zenith angle (word 22) cannot be read</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>a station block without a readable easting and northing (84, 85)</source>
        <extracomment>kBadStation</extracomment>
        <translation>a station block without a readable easting and northing (84, 85)</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>its station block has no readable easting and northing</source>
        <extracomment>kNoStation</extracomment>
        <translation>its station block has no readable easting and northing</translation>
    </message>
</context>
</TS>
