<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>harwick</name>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Load Library Failed!</source>
        <extracomment>kLoadLibraryFailed</extracomment>
        <translation>加载库失败!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Save File False!</source>
        <extracomment>kSaveFileFalse</extracomment>
        <translation>保存文件失败!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>no data!</source>
        <extracomment>kNoData</extracomment>
        <translation>无数据!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>no data !</source>
        <extracomment>kNoDataSpaced</extracomment>
        <translation>无数据!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>invaril data!</source>
        <extracomment>kInvarilData</extracomment>
        <translation>无效数据!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>The USB library has no entry point </source>
        <extracomment>kUsbEntryMissing</extracomment>
        <translation>USB 库中缺少入口点 </translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Please press Enter on Total Station , then press Enter on computer!</source>
        <extracomment>kPressStationFirst</extracomment>
        <translation>请先在全站仪上按回车键，再在电脑上按回车键!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Please press Enter on computer , then press Enter on Total Station!</source>
        <extracomment>kPressComputerFirst</extracomment>
        <translation>请先在电脑上按回车键，再在全站仪上按回车键!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Receive data ok!</source>
        <extracomment>kReceiveDataOkUsb</extracomment>
        <translation>接收数据成功!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>receive data ok!</source>
        <extracomment>kReceiveDataOkCom</extracomment>
        <translation>接收数据成功!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Memory allocate failed!</source>
        <extracomment>kMemoryAllocateFailed</extracomment>
        <translation>内存分配失败!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Memory allocate failed !</source>
        <extracomment>kMemoryAllocateFailedSpaced</extracomment>
        <translation>内存分配失败!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>USB connected failed !</source>
        <extracomment>kUsbConnectedFailed</extracomment>
        <translation>USB 连接失败!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>communication completed!</source>
        <extracomment>kCommunicationCompletedLower</extracomment>
        <translation>通讯完成!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Communication completed!</source>
        <extracomment>kCommunicationCompleted</extracomment>
        <translation>通讯完成!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>通讯结束!</source>
        <extracomment>kCommunicationEnded</extracomment>
        <translation>通讯结束!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Timeout!</source>
        <extracomment>kTimeout</extracomment>
        <translation>超时!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>不存在该端口,或者COM端口被占用!</source>
        <extracomment>kPortMissingOrBusy</extracomment>
        <translation>不存在该端口,或者COM端口被占用!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Device ACK error!</source>
        <extracomment>kDeviceAckErrorCodes</extracomment>
        <translation>设备 ACK 应答错误!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Device ACK Error!</source>
        <extracomment>kDeviceAckErrorCoords</extracomment>
        <translation>设备 ACK 应答错误!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Sending stopped: the port took no more data (was the cable or adapter pulled?). The instrument did not get the whole text; send it again.</source>
        <extracomment>kSendStopped</extracomment>
        <translation>发送已停止：端口不再接收数据（数据线或转换器是否被拔出？）。全站仪未收到完整的文本，请重新发送。</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Receiving stopped: the port went away (was the cable or adapter pulled?). The editor shows what arrived; the data is not complete.</source>
        <extracomment>kReceiveStopped</extracomment>
        <translation>接收已停止：端口已断开（数据线或转换器是否被拔出？）。编辑器中显示的是已收到的内容，数据不完整。</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>A transfer is running: wait until it has ended, then try again.</source>
        <extracomment>kTransferRunning</extracomment>
        <translation>正在传输：请等传输结束后再试。</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Receiving stopped before the end of the data: nothing more came in time. The editor shows what arrived; the data is not complete.</source>
        <extracomment>kReceiveIncomplete</extracomment>
        <translation>接收在数据结束前停止：未能及时收到更多数据。编辑器中显示的是已收到的内容，数据不完整。</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>invalid format!</source>
        <extracomment>kInvalidFormat</extracomment>
        <translation>格式无效!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Invalid Pcode Format!</source>
        <extracomment>kInvalidPcodeFormat</extracomment>
        <translation>编码格式无效!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>File format invalid!</source>
        <extracomment>kFileFormatInvalid</extracomment>
        <translation>文件格式无效!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Transform failed !</source>
        <extracomment>kTransformFailed</extracomment>
        <translation>转换失败!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Invalid  survey data format!</source>
        <extracomment>kInvalidSurveyDataFormat</extracomment>
        <translation>测量数据格式无效!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Invalid KARD300 Format!</source>
        <extracomment>kInvalidKard300Format</extracomment>
        <translation>KARD300 格式无效!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>The text holds neither GSI points nor KARD lines: nothing was written, the file is as it was.</source>
        <extracomment>kNothingToSaveAsKard</extracomment>
        <translation>文本中既没有 GSI 点，也没有 KARD 行：未写入任何内容，文件保持不变。</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>请输入1到999的整数!</source>
        <extracomment>kTimeoutRange</extracomment>
        <translation>请输入1到999的整数!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>请输入正的整数!</source>
        <extracomment>kRowDelayRange</extracomment>
        <translation>请输入正的整数!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>COM通讯参数设置</source>
        <extracomment>kComDialogTitle</extracomment>
        <translation>COM通讯参数设置</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>USB Parameter</source>
        <extracomment>kUsbDialogTitle</extracomment>
        <translation>USB 通讯参数设置</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>The COM port in qtr_cfg.ini, &quot;</source>
        <extracomment>kPortNamesNoPortBefore</extracomment>
        <translation>qtr_cfg.ini 中的 COM 端口 &quot;</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>&quot;, names no serial port, so COM transfers cannot open it. Choose a port in COM Comm, COM Para... (COM1 to COM256, or a device path such as /dev/ttyUSB0).</source>
        <extracomment>kPortNamesNoPortAfter</extracomment>
        <translation>&quot; 不是串口，COM 传输无法打开它。请在“COM 通讯”菜单的“COM 参数...”中选择端口（COM1 到 COM256，或 /dev/ttyUSB0 这样的设备路径）。</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <location filename="../apps/stationmate/core/probe.h"/>
        <source>: not usable: </source>
        <extracomment>kPortNotUsable kPortNotUsable</extracomment>
        <translation>: 不可用: </translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>点名为空!</source>
        <extracomment>kNameEmpty</extracomment>
        <translation>点名为空!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>编码为空!</source>
        <extracomment>kCodeEmpty</extracomment>
        <translation>编码为空!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>无效原始数据!</source>
        <extracomment>kInvalidSourceData</extracomment>
        <translation>无效原始数据!</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>Lines that do not fit this list stay in the text unchanged and in place: </source>
        <extracomment>kListKeepsLines</extracomment>
        <translation>不符合此列表的行原样保留在文本中的原位置，行数: </translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/cable_messages.h"/>
        <source>No line of the text fits this list: it opens empty, the text stays as it is, and rows you add go after it.</source>
        <extracomment>kListShowsNoLine</extracomment>
        <translation>文本中没有符合此列表的行：列表打开时为空，文本保持不变，新添加的行将放在文本之后。</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>点名</source>
        <extracomment>kTitleName</extracomment>
        <translation>点名</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编码</source>
        <extracomment>kTitleCode kCodeListTitle</extracomment>
        <translation>编码</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>坐标E</source>
        <extracomment>kTitleEasting</extracomment>
        <translation>坐标E</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>坐标N</source>
        <extracomment>kTitleNorthing</extracomment>
        <translation>坐标N</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>坐标Z</source>
        <extracomment>kTitleElevation</extracomment>
        <translation>坐标Z</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/coordinate_lists.cpp"/>
        <source>编号</source>
        <extracomment>kTitleCodeNumber</extracomment>
        <translation>编号</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/settings.h"/>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>None</source>
        <extracomment>kProtocolNone kNoneEntry</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/settings.h"/>
        <source>无</source>
        <extracomment>kParityNone</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/settings.h"/>
        <source>奇</source>
        <extracomment>kParityOdd</extracomment>
        <translation>奇</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/core/settings.h"/>
        <source>偶</source>
        <extracomment>kParityEven</extracomment>
        <translation>偶</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Cancel</source>
        <extracomment>kCancelText kCancelButton kCancelButton</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>接收超时：</source>
        <extracomment>kComTimeoutLabel</extracomment>
        <translation>接收超时：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>行间延时：</source>
        <extracomment>kComRowDelayLabel</extracomment>
        <translation>行间延时：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>Timeout:</source>
        <extracomment>kUsbTimeoutLabel</extracomment>
        <translation>接收超时：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>Interline delay:</source>
        <extracomment>kUsbRowDelayLabel</extracomment>
        <translation>行间延时：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标编辑格式</source>
        <extracomment>kEditFormatTitle</extracomment>
        <translation>坐标编辑格式</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>请选择坐标编辑格式</source>
        <extracomment>kEditFormatGroup</extracomment>
        <translation>请选择坐标编辑格式</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>KARD300格式坐标编辑</source>
        <extracomment>kKard300Choice</extracomment>
        <translation>KARD300格式坐标编辑</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>KARD600格式坐标编辑</source>
        <extracomment>kKard600Choice</extracomment>
        <translation>KARD600格式坐标编辑</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标</source>
        <extracomment>kCoordinateListTitle</extracomment>
        <translation>坐标</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>添 加</source>
        <extracomment>kAddButton</extracomment>
        <translation>添 加</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编 辑</source>
        <extracomment>kEditButton</extracomment>
        <translation>编 辑</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>删 除</source>
        <extracomment>kDeleteButton</extracomment>
        <translation>删 除</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>确 定</source>
        <extracomment>kListOkButton</extracomment>
        <translation>确 定</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>取 消</source>
        <extracomment>kListCancelButton</extracomment>
        <translation>取 消</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>添加数据</source>
        <extracomment>kAddPointTitle</extracomment>
        <translation>添加数据</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编辑数据</source>
        <extracomment>kEditPointTitle</extracomment>
        <translation>编辑数据</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>点名：</source>
        <extracomment>kPointNameLabel</extracomment>
        <translation>点名：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标E:</source>
        <extracomment>kEastingLabel</extracomment>
        <translation>坐标E:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标N:</source>
        <extracomment>kNorthingLabel</extracomment>
        <translation>坐标N:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标Z:</source>
        <extracomment>kElevationLabel</extracomment>
        <translation>坐标Z:</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编 码：</source>
        <extracomment>kPointCodeLabel</extracomment>
        <translation>编 码：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>添加编码</source>
        <extracomment>kAddCodeTitle</extracomment>
        <translation>添加编码</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编辑编码</source>
        <extracomment>kEditCodeTitle</extracomment>
        <translation>编辑编码</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编号：</source>
        <extracomment>kCodeNumberLabel</extracomment>
        <translation>编号：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>编码：</source>
        <extracomment>kCodeLabel</extracomment>
        <translation>编码：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>更新数据</source>
        <extracomment>kUpdatePointsTitle</extracomment>
        <translation>更新数据</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>要更新坐标列表吗？</source>
        <extracomment>kUpdatePointsQuestion</extracomment>
        <translation>要更新坐标列表吗？</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>更新编码</source>
        <extracomment>kUpdateCodesTitle</extracomment>
        <translation>更新编码</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>要更新编码列表吗？</source>
        <extracomment>kUpdateCodesQuestion</extracomment>
        <translation>要更新编码列表吗？</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>不再显示该对话框</source>
        <extracomment>kDoNotAskAgain</extracomment>
        <translation>不再显示该对话框</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>确定</source>
        <extracomment>kUpdateCodesOk</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>取消</source>
        <extracomment>kUpdateCodesCancel</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>坐标校正</source>
        <extracomment>kCorrectionTitle</extracomment>
        <translation>坐标校正</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>原棱镜常数：</source>
        <extracomment>kOldConstantLabel</extracomment>
        <translation>原棱镜常数：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>新棱镜常数：</source>
        <extracomment>kNewConstantLabel</extracomment>
        <translation>新棱镜常数：</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/dialog_texts.h"/>
        <source>Saveas</source>
        <extracomment>kSaveAsTitle</extracomment>
        <translation>另存为</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;File</source>
        <extracomment>kFileMenu kFileMenu</extracomment>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Edit</source>
        <extracomment>kEditMenu</extracomment>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;View</source>
        <extracomment>kViewMenu kViewEntry kViewMenu</extracomment>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>USB Comm</source>
        <extracomment>kUsbMenu</extracomment>
        <translation>USB 通讯</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>COM Comm</source>
        <extracomment>kComMenu</extracomment>
        <translation>COM 通讯</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Convert</source>
        <extracomment>kConvertMenu</extracomment>
        <translation>转换</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Tools</source>
        <extracomment>kToolsMenu</extracomment>
        <translation>工具</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Help</source>
        <extracomment>kHelpMenu kHelpMenu</extracomment>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Recent Files</source>
        <extracomment>kRecentFilesMenu</extracomment>
        <translation>最近的文件</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Ready</source>
        <extracomment>kReadyStatus</extracomment>
        <translation>就绪</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;New	Ctrl+N</source>
        <extracomment>kNewEntry</extracomment>
        <translation>新建(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Open...	Ctrl+O</source>
        <extracomment>kOpenEntry</extracomment>
        <translation>打开(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Save &amp;As...</source>
        <extracomment>kSaveAsEntry</extracomment>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Print...	Ctrl+P</source>
        <extracomment>kPrintEntry</extracomment>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Print Pre&amp;view</source>
        <extracomment>kPrintPreviewEntry</extracomment>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>P&amp;rint Setup...</source>
        <extracomment>kPrintSetupEntry</extracomment>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>E&amp;xit</source>
        <extracomment>kExitEntry kExitEntry</extracomment>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Undo	Ctrl+Z</source>
        <extracomment>kUndoEntry</extracomment>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Cu&amp;t	Ctrl+X</source>
        <extracomment>kCutEntry</extracomment>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Copy	Ctrl+C</source>
        <extracomment>kCopyEntry</extracomment>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Paste	Ctrl+V</source>
        <extracomment>kPasteEntry</extracomment>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Toolbar</source>
        <extracomment>kToolbarEntry kToolbarEntry</extracomment>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;Status Bar</source>
        <extracomment>kStatusBarEntry</extracomment>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>&amp;About Harwick cablemate...</source>
        <extracomment>kAboutEntry</extracomment>
        <translation>关于 Harwick cablemate(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>USB  Para(&amp;T)	Ctrl+T</source>
        <extracomment>kUsbParaEntry</extracomment>
        <translation>USB 参数(&amp;T)	Ctrl+T</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download Measured/Coord Data(&amp;P)	Ctrl+P</source>
        <extracomment>kDownloadMeasuredEntry</extracomment>
        <translation>下载测量/坐标数据(&amp;P)	Ctrl+P</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download CODE Data(&amp;M)	Ctrl+M</source>
        <extracomment>kDownloadCodeEntry</extracomment>
        <translation>下载编码数据(&amp;M)	Ctrl+M</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download HZ Alignment Data(&amp;N)	Ctrl+N</source>
        <extracomment>kDownloadHzEntry</extracomment>
        <translation>下载平曲线数据(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download VT Alignment Data(&amp;V)	Ctrl+V</source>
        <extracomment>kDownloadVtEntry</extracomment>
        <translation>下载竖曲线数据(&amp;V)	Ctrl+V</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Coordinate(&amp;Z)	Ctrl+Z</source>
        <extracomment>kUploadCoordinateEntry</extracomment>
        <translation>上传坐标(&amp;Z)	Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Code(&amp;Y)	Ctrl+Y</source>
        <extracomment>kUploadCodeEntry</extracomment>
        <translation>上传编码(&amp;Y)	Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload HZ Alignment Data(&amp;X)	Ctrl+X</source>
        <extracomment>kUploadHzEntry</extracomment>
        <translation>上传平曲线数据(&amp;X)	Ctrl+X</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload VT Alignment Data(&amp;O)	Ctrl+O</source>
        <extracomment>kUploadVtEntry</extracomment>
        <translation>上传竖曲线数据(&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Text</source>
        <extracomment>kUsbUploadTextEntry</extracomment>
        <translation>上传文本</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Other Data</source>
        <extracomment>kUsbUploadOtherEntry</extracomment>
        <translation>上传其他数据</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>COM Para...</source>
        <extracomment>kComParaEntry</extracomment>
        <translation>COM 参数...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download Measured/Coord Data</source>
        <extracomment>kComDownloadEntry</extracomment>
        <translation>下载测量/坐标数据</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download HZ Alignment Data</source>
        <extracomment>kComDownloadHzEntry</extracomment>
        <translation>下载平曲线数据</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Download VT Alignment Data</source>
        <extracomment>kComDownloadVtEntry</extracomment>
        <translation>下载竖曲线数据</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Coordinate</source>
        <extracomment>kComUploadCoordinateEntry</extracomment>
        <translation>上传坐标</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Code</source>
        <extracomment>kComUploadCodeEntry</extracomment>
        <translation>上传编码</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload HZ Alignment Data</source>
        <extracomment>kComUploadHzEntry</extracomment>
        <translation>上传平曲线数据</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload VT Alignment Data</source>
        <extracomment>kComUploadVtEntry</extracomment>
        <translation>上传竖曲线数据</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Code List as Blocks</source>
        <extracomment>kComUploadCodeBlocksEntry</extracomment>
        <translation>以数据块上传编码表</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Upload Coordinates as Blocks</source>
        <extracomment>kComUploadCoordinateBlocksEntry</extracomment>
        <translation>以数据块上传坐标</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Code Blocks to Code List</source>
        <extracomment>kCodeBlocksEntry</extracomment>
        <translation>编码数据块转编码表</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Measured Data Blocks to KARD</source>
        <extracomment>kMeasuredBlocksEntry</extracomment>
        <translation>测量数据块转 KARD</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Coordinate Blocks to KARD</source>
        <extracomment>kCoordinateBlocksEntry</extracomment>
        <translation>坐标数据块转 KARD</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>KARD to Coordinate Blocks</source>
        <extracomment>kKardToBlocksEntry</extracomment>
        <translation>KARD 转坐标数据块</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>KARD600 to KARD300</source>
        <extracomment>kKard600Entry</extracomment>
        <translation>KARD600 转 KARD300</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>KARD600 Coordinates to KARD300</source>
        <extracomment>kKard600AgainEntry</extracomment>
        <translation>KARD600 坐标转 KARD300</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Export DXF</source>
        <extracomment>kExportDxfEntry</extracomment>
        <translation>导出 DXF</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Coordinate List...</source>
        <extracomment>kCoordinateListEntry</extracomment>
        <translation>坐标列表...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Code List...</source>
        <extracomment>kCodeListEntry</extracomment>
        <translation>编码表...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Coordinate Correction...</source>
        <extracomment>kCorrectionEntry</extracomment>
        <translation>坐标校正...</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Help Topics</source>
        <extracomment>kHelpEntry</extracomment>
        <translation>帮助主题</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Cannot open the file </source>
        <extracomment>kCannotOpenFile</extracomment>
        <translation>无法打开文件 </translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>The help file QTRHelp.chm is missing.</source>
        <extracomment>kHelpMissing</extracomment>
        <translation>帮助文件 QTRHelp.chm 不存在。</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>No program opened the help file QTRHelp.chm.</source>
        <extracomment>kHelpNotOpened</extracomment>
        <translation>没有程序能打开帮助文件 QTRHelp.chm。</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>About Harwick cablemate</source>
        <extracomment>kAboutTitle</extracomment>
        <translation>关于 Harwick cablemate</translation>
    </message>
    <message>
        <location filename="../apps/cablemate/ui/window_texts.h"/>
        <source>Harwick cablemate
Version 1.0

Plain-text transfers with the total station over USB or a serial port, and their conversions.</source>
        <extracomment>kAboutText</extracomment>
        <translation>Harwick cablemate
版本 1.0

通过 USB 或串口与全站仪进行纯文本传输，并进行格式转换。</translation>
    </message>
    <message>
        <location filename="../apps/common/listfile/list_file.cpp"/>
        <source>cannot write '</source>
        <extracomment>kCannotWriteBefore</extracomment>
        <translation>无法写入 '</translation>
    </message>
    <message>
        <location filename="../apps/common/listfile/list_file.cpp"/>
        <source>': </source>
        <extracomment>kCannotWriteAfter</extracomment>
        <translatorcomment>kept</translatorcomment>
        <translation>': </translation>
    </message>
    <message>
        <location filename="../apps/common/qtkit/traffic_log_entry.h"/>
        <source>Log &amp;Communication...</source>
        <extracomment>kLogCommunicationEntry</extracomment>
        <translation>记录通讯日志(&amp;C)...</translation>
    </message>
    <message>
        <location filename="../apps/common/qtkit/traffic_log_entry.h"/>
        <source>Log Communication To</source>
        <extracomment>kLogFileCaption</extracomment>
        <translation>通讯日志保存位置</translation>
    </message>
    <message>
        <location filename="../apps/common/qtkit/traffic_log_entry.h"/>
        <source>Write every byte on the cable to this file:</source>
        <extracomment>kLogFileLabel</extracomment>
        <translation>将数据线上传输的每个字节写入此文件：</translation>
    </message>
    <message>
        <location filename="../apps/common/qtkit/traffic_log_entry.h"/>
        <source>Browse...</source>
        <extracomment>kBrowseButton</extracomment>
        <translation>浏览...</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Illegal code name!!</source>
        <extracomment>kIllegalCodeName</extracomment>
        <translation>编码名称非法！</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Input number</source>
        <extracomment>kInputNumber</extracomment>
        <translation>请输入数字</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>There must be two numbers!!</source>
        <extracomment>kTwoNumbers</extracomment>
        <translation>最多只能输入两位数字！</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Code</source>
        <extracomment>kCodeSheetPrefix kCodeTitle kCodeColumn</extracomment>
        <translation>编码</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Short Cut</source>
        <extracomment>kShortcutTitle</extracomment>
        <translation>快捷键</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Attribute Name</source>
        <extracomment>kAttributeNameTitle</extracomment>
        <translation>属性名称</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Default Value</source>
        <extracomment>kDefaultValueTitle</extracomment>
        <translation>默认值</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>Code lists are saved only as .crf files; nothing was written to </source>
        <extracomment>kNotSavedNotCrf</extracomment>
        <translation>编码表只能保存为 .crf 文件，未写入文件 </translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>The code list could not be saved to </source>
        <extracomment>kNotSaved</extracomment>
        <translation>无法将编码表保存到 </translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>The code list could not be opened: </source>
        <extracomment>kNotOpened</extracomment>
        <translation>无法打开编码表 </translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>it is a code list of another version; only VERSION 1.20 lists are read. The list on screen was kept.</source>
        <extracomment>kOtherVersion</extracomment>
        <translation>这是其他版本的编码表，只能读取 VERSION 1.20 的编码表。屏幕上的编码表保持不变。</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/core/feature_texts.h"/>
        <source>it holds no VERSION 1.20 code list. The list on screen was kept.</source>
        <extracomment>kNotACodeList</extracomment>
        <translation>该文件不包含 VERSION 1.20 编码表。屏幕上的编码表保持不变。</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>File</source>
        <extracomment>kFileMenu kFileMenu</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>New</source>
        <extracomment>kNewEntry kNewButton</extracomment>
        <translation>新建</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Open</source>
        <extracomment>kOpenEntry kOpenEntry kOpenButton</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Save</source>
        <extracomment>kSaveEntry kSaveEntry kSaveButton</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>SaveAs</source>
        <extracomment>kSaveAsEntry kSaveAsEntry</extracomment>
        <translation>另存为</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Exit</source>
        <extracomment>kExitEntry</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Options</source>
        <extracomment>kOptionsMenu kOptionsMenu</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>CodeName</source>
        <extracomment>kCodeNameEntry</extracomment>
        <translation>编码表名称</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Help</source>
        <extracomment>kHelpMenu kHelpMenu</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>About</source>
        <extracomment>kAboutEntry kAboutEntry kAboutButton</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/core/erase.cpp"/>
        <source>Delete</source>
        <extracomment>kDeleteEntry kDeleteEntry kAskDelete</extracomment>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>New code name</source>
        <extracomment>kNewListTitle</extracomment>
        <translation>新建编码表</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Code Name:</source>
        <extracomment>kNewListNameLabel</extracomment>
        <translation>编码表名称：</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Author:</source>
        <extracomment>kNewListAuthorLabel</extracomment>
        <translation>作者：</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Ok</source>
        <extracomment>kNewListOk</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>CANCEL</source>
        <extracomment>kCancel kCancelButton kCancelButtonUpper</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Rename CodeList</source>
        <extracomment>kRenameTitle</extracomment>
        <translation>重命名编码表</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>New code name:</source>
        <extracomment>kRenameLabel</extracomment>
        <translation>新编码表名称：</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>About </source>
        <extracomment>kAboutTitlePrefix</extracomment>
        <translation>关于 </translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Version 1.0</source>
        <extracomment>kAboutVersion kAboutVersion kAboutVersion</extracomment>
        <translation>版本 1.0</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>ZivID files(*.crf)</source>
        <extracomment>kOpenFilter</extracomment>
        <translation>ZivID 文件(*.crf)</translation>
    </message>
    <message>
        <location filename="../apps/featurebook/ui/window_texts.h"/>
        <source>Author: </source>
        <extracomment>kAuthorPrefix</extracomment>
        <translation>作者: </translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>lines</source>
        <extracomment>kLinesUnit</extracomment>
        <translation>行</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>cannot read '%1': %2</source>
        <extracomment>kCannotRead</extracomment>
        <translation>无法读取 '%1'：%2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>cannot write '%1': %2</source>
        <extracomment>kCannotWrite</extracomment>
        <translation>无法写入 '%1'：%2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>unknown conversion '%1'</source>
        <extracomment>kUnknownConversion</extracomment>
        <translation>未知的转换 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>'%1' is neither usb nor a port (COMn or a device path)</source>
        <extracomment>kNeitherUsbNorPort</extracomment>
        <translation>'%1' 既不是 usb，也不是端口（COMn 或设备路径）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>nothing received</source>
        <extracomment>kNothingReceived</extracomment>
        <translation>未接收到任何数据</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>the data stopped before its end; %1 bytes received were written to '%2'</source>
        <extracomment>kStoppedBeforeEnd</extracomment>
        <translation>数据在结束前中断；已接收的 %1 字节已写入 '%2'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>--blocks is for COM ports; USB sends the text line by line</source>
        <extracomment>kBlocksAreForCom</extracomment>
        <translation>--blocks 仅用于 COM 端口；USB 逐行发送文本</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>no cable command given (convert, receive or send)</source>
        <extracomment>kNoCableCommand</extracomment>
        <translation>未给出 cable 命令（convert、receive 或 send）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>--blocks is for send</source>
        <extracomment>kBlocksAreForSend</extracomment>
        <translation>--blocks 仅用于 send</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>convert moves nothing over the cable: no --log or --quiet</source>
        <extracomment>kConvertMovesNothing</extracomment>
        <translation>convert 不经数据线传输任何内容：不能使用 --log 或 --quiet</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>convert takes a KIND, an INPUT and an OUTPUT</source>
        <extracomment>kConvertTakes</extracomment>
        <translation>convert 需要 KIND、INPUT 和 OUTPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>unknown cable command '%1'</source>
        <extracomment>kUnknownCableCommand</extracomment>
        <translation>未知的 cable 命令 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>receive takes usb or a port and an OUTPUT</source>
        <extracomment>kReceiveTakes</extracomment>
        <translation>receive 需要 usb 或端口，以及 OUTPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>send takes usb or a port and an INPUT</source>
        <extracomment>kSendTakes</extracomment>
        <translation>send 需要 usb 或端口，以及 INPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/cable.cpp"/>
        <source>--blocks takes coords or codes, not '%1'</source>
        <extracomment>kBlocksTakes</extracomment>
        <translation>--blocks 的值应为 coords 或 codes，而不是 '%1'</translation>
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
        <translation>用法：harwick cable convert KIND INPUT OUTPUT
      harwick cable receive usb|COMn|DEVICE OUTPUT [--quiet] [--log FILE]
      harwick cable send usb|COMn|DEVICE INPUT [--blocks coords|codes] [--quiet] [--log FILE]

KIND 为以下之一：code-blocks、measured-blocks、coord-blocks、kard-to-blocks、
kard600-to-kard300、gsi-to-kard、kard-to-dxf。接收和发送使用 ./qtr_cfg.ini
中的设置（协议、波特率、超时、行间延时）；在此给出的 COM 端口或设备路径
（/dev/ttyUSB0）取代其中设置的端口。
--blocks 将 KARD 列表作为坐标数据块、将编码表作为编码数据块发送（仅限
COM）；不给出时，文本逐行发送。
在终端上，receive 和 send 在 stderr 的一行中显示进度（行数、逐行发送时的
总行数、字节数、速率、时间）；--quiet 不显示进度。
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.cpp"/>
        <source>%1: %2; see '%1 --help'</source>
        <extracomment>kUsageProblem</extracomment>
        <translation>%1: %2；请参阅 '%1 --help'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.cpp"/>
        <source>warning: %1</source>
        <extracomment>kWarning</extracomment>
        <translation>警告：%1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.cpp"/>
        <source>%1 takes no value</source>
        <extracomment>kTakesNoValue</extracomment>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>unknown option '%1'</source>
        <extracomment>kUnknownOption</extracomment>
        <translation>未知选项 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>%1 needs a value</source>
        <extracomment>kNeedsValue</extracomment>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>unexpected '%1'</source>
        <extracomment>kUnexpectedWord</extracomment>
        <translation>无法识别的 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>--json is for list</source>
        <extracomment>kJsonIsForList</extracomment>
        <translation>--json 仅用于 list</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>converted %1 point(s) from %2 '%3' to %4 '%5' (precision %6)</source>
        <extracomment>kConverted</extracomment>
        <translation>已将 %1 个点从 %2 '%3' 转换为 %4 '%5'（精度 %6）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1': not a point list of any kind known here (%2)</source>
        <extracomment>kNoKnownKind</extracomment>
        <translation>'%1'：不是本程序已知的任何格式的点列表（%2）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> or </source>
        <extracomment>kKindOr kCouldBeOr</extracomment>
        <translation> 或 </translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1' could be %2: say which with --from</source>
        <extracomment>kCouldBe</extracomment>
        <translation>'%1' 可能是 %2：请用 --from 指定</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1': unknown kind of output (name it .gsi16, .gsi8, .dat, .idx, .csv, .geojson, .xml or .dxf, or give --to)</source>
        <extracomment>kUnknownOutputKind</extracomment>
        <translation>'%1'：未知的输出格式（请将其命名为 .gsi16、.gsi8、.dat、.idx、.csv、.geojson、.xml 或 .dxf，或给出 --to）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1': no points found.</source>
        <extracomment>kNoPointsFound</extracomment>
        <translation>'%1'：未找到任何点。</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>reduce reads GSI jobs and writes one file: %1 does not apply</source>
        <extracomment>kReduceDoesNotApply</extracomment>
        <translation>reduce 读取 GSI 作业并写入一个文件：%1 不适用</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>precision must be 0.001, 0.0001 or 0.00001, not '%1'</source>
        <extracomment>kBadPrecision</extracomment>
        <translation>精度必须为 0.001、0.0001 或 0.00001，而不是 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>%1 takes %2, not '%3'</source>
        <extracomment>kTakesKinds</extracomment>
        <translation>%1 的值应为 %2，而不是 '%3'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>--text-height takes a positive number, not '%1'</source>
        <extracomment>kBadTextHeight</extracomment>
        <translation>--text-height 的值应为正数，而不是 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>--out-dir needs --to KIND</source>
        <extracomment>kOutDirNeedsTo</extracomment>
        <translation>--out-dir 需要 --to KIND</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>--out-dir converts the FILEs named after it; none is</source>
        <extracomment>kOutDirNoFiles</extracomment>
        <translation>--out-dir 转换其后列出的 FILE，但一个也没有给出</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>convert takes an INPUT and an OUTPUT file</source>
        <extracomment>kConvertTakes</extracomment>
        <translation>convert 需要一个 INPUT 文件和一个 OUTPUT 文件</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>cannot make the folder '%1': %2</source>
        <extracomment>kCannotMakeFolder</extracomment>
        <translation>无法创建文件夹 '%1'：%2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1' is not converted: '%2' is made from '%3' already</source>
        <extracomment>kMadeAlready</extracomment>
        <translation>'%1' 未转换：'%2' 已由 '%3' 生成</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>%1 of %2 file(s) not converted</source>
        <extracomment>kNotConverted</extracomment>
        <translation>%2 个文件中有 %1 个未转换</translation>
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
        <translation>用法：harwick convert [OPTIONS] INPUT OUTPUT
      harwick convert [OPTIONS] --to KIND --out-dir DIR FILE...

转换点列表。INPUT 的格式由其文件名决定：GSI (.gsi)、KARD (.dat)、IDX (.idx)、
CSV (.csv)、GeoJSON (.geojson, .json)、LandXML (.xml, .landxml) 或 DXF (.dxf)；
文件名看不出格式时，或给出 --from auto 时，格式由文件内容判断（可能属于多种
格式的文件会被拒绝，并列出它可能的格式）。OUTPUT 按其文件名写为 GSI-16
(.gsi16)、GSI-8 (.gsi8)、KARD (.dat)、IDX (.idx)、CSV、GeoJSON、LandXML 或 DXF；
DXF 图形中每个点是一个 POINT，位于以其编码命名的图层上，并标注点名和高程。
.gsi16 或 .gsi8 输出以扩展名 .gsi 保存；普通的 .gsi 输出沿用 GSI 输入的类型，
否则为 GSI-16。精度决定坐标的小数位数和 GSI 单位；未给出 --precision 时取自
输入。读取时跳过的数据块，以及输出无法容纳的内容（略去的行、截断的值或名称）
都会在 stderr 上报告。使用 --out-dir 时，每个 FILE 都按 --to 转换到 DIR 中；
失败的文件会被报告，其他文件照常转换，只要有文件失败，退出码即为 1。

选项：
  --precision 0.001|0.0001|0.00001
  --from KIND, --to KIND   gsi16, gsi8, gsi, kard, idx, csv, geojson, landxml,
                           dxf（--from 还可为 auto）
  --columns LIST           CSV 的列及其顺序，例如 name,n,e,z,code
  --delimiter , | ; | tab  CSV 分隔符
  --decimal-comma          CSV 坐标使用小数逗号
  --crs EPSG:n             GeoJSON：供 GIS 程序读取的坐标系
  --text-height H          DXF：标注的高度，以图形单位计（默认 1）
为 CSV 输入给出的 CSV 选项优先于从文件中识别出的设置。
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>convert point lists between GSI, KARD, IDX, CSV, GeoJSON, LandXML and DXF</source>
        <extracomment>kConvertSummary</extracomment>
        <translation>在 GSI、KARD、IDX、CSV、GeoJSON、LandXML 和 DXF 之间转换点列表</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>compute points from the measurements of a GSI job</source>
        <extracomment>kReduceSummary</extracomment>
        <translation>由 GSI 作业的测量数据计算点</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>list, download, upload and erase the instrument's memory over a COM port</source>
        <extracomment>kStationSummary</extracomment>
        <translation>通过 COM 端口列出、下载、上传和删除全站仪内存中的数据</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>receive and send over USB or a COM port, and the cable program's conversions</source>
        <extracomment>kCableSummary</extracomment>
        <translation>通过 USB 或 COM 端口接收和发送，以及数据线传输程序的转换</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>list the serial ports present by COM name, and name a device COMn</source>
        <extracomment>kPortsSummary</extracomment>
        <translation>按 COM 名称列出现有串口，并将设备命名为 COMn</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>list USB instruments and whether you may open them, and allow one</source>
        <extracomment>kUsbSummary</extracomment>
        <translation>列出 USB 仪器及您能否打开它们，并允许打开其中一个</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>usage: harwick [--version] [--help] COMMAND [ARGUMENTS]

The Harwick survey suite's command line: point lists, and the instrument
over its cable.

Commands:
</source>
        <extracomment>kHelpHead</extracomment>
        <translation>用法：harwick [--version] [--help] COMMAND [ARGUMENTS]

Harwick survey suite 的命令行：处理点列表，并通过数据线操作全站仪。

命令：
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
'harwick COMMAND --help'（或 'harwick help COMMAND'）显示某个命令的用法。
退出状态：0 完成，1 失败（原因见 stderr），2 命令行有误。
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>no command '%1'</source>
        <extracomment>kNoCommand</extracomment>
        <translation>没有命令 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>unknown command '%1'</source>
        <extracomment>kUnknownCommand</extracomment>
        <translation>未知命令 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/listing.h"/>
        <source>not usable: </source>
        <extracomment>kNotUsable</extracomment>
        <translation>不可用: </translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/listing.h"/>
        <source>ok</source>
        <extracomment>kUsable</extracomment>
        <translation>可用</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/ports.cpp"/>
        <source>%1 is %2</source>
        <extracomment>kMapped</extracomment>
        <translation>%1 对应 %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/ports.cpp"/>
        <source>no serial ports found</source>
        <extracomment>kNoPorts</extracomment>
        <translation>未找到串口</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/ports.cpp"/>
        <source>--json is for the list</source>
        <extracomment>kJsonIsForTheList</extracomment>
        <translation>--json 仅用于列表</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/ports.cpp"/>
        <source>map takes a COM name and a DEVICE</source>
        <extracomment>kMapTakes</extracomment>
        <translation>map 需要一个 COM 名称和一个 DEVICE</translation>
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
        <translation>用法：harwick ports [--json]
      harwick ports map COMn DEVICE

列出现有的串口：各程序为其使用的 COM 名称、设备、设备类型、其
/dev/serial/by-id 路径，以及您能否打开它（不能时说明原因和解决办法）。
--json 将其输出为一个 JSON 数组。

map 在端口映射（~/.config/harwick/ports）中将 DEVICE 命名为 COMn，设备有
/dev/serial/by-id 路径时经由该路径。首次创建映射时，先以各现有端口当前的
名称将其全部收录。
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/progress_line.cpp"/>
        <source>%1 of %2</source>
        <extracomment>kOfTotal</extracomment>
        <translatorcomment>kept</translatorcomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/progress_line.cpp"/>
        <source>%1 elapsed</source>
        <extracomment>kElapsed</extracomment>
        <translation>已用 %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/progress_line.cpp"/>
        <source>about %1 left</source>
        <extracomment>kLeft</extracomment>
        <translation>约剩 %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>GSI job</source>
        <extracomment>kJobKind</extracomment>
        <translation>GSI 作业</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>reduced %1 point(s) from %2 '%3' to %4 '%5' (precision %6)</source>
        <extracomment>kReduced</extracomment>
        <translation>已由 %2 '%3' 计算出 %1 个点，写入 %4 '%5'（精度 %6）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>point</source>
        <extracomment>kPointColumn</extracomment>
        <translation>点名</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>dist (m)</source>
        <extracomment>kDistanceColumn</extracomment>
        <translation>距离 (m)</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>   computed minus instrument</source>
        <extracomment>kComputedMinusInstrument</extracomment>
        <translation>   计算值减仪器值</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>largest difference over %1 point(s): %2 m in position (%3)</source>
        <extracomment>kLargestInPosition</extracomment>
        <translation>%1 个点中的最大差值：平面位置 %2 m（%3）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>, %1 m in height (%2)</source>
        <extracomment>kLargestInHeight</extracomment>
        <translation>，高程 %1 m（%2）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>--json is for --compare</source>
        <extracomment>kJsonIsForCompare</extracomment>
        <translation>--json 仅用于 --compare</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>--compare --json prints the comparison alone: no OUTPUT</source>
        <extracomment>kJsonNoOutput</extracomment>
        <translation>--compare --json 只输出比较结果：不能给出 OUTPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>reduce --compare takes an INPUT and, if it is to be written, an OUTPUT</source>
        <extracomment>kCompareTakes</extracomment>
        <translation>reduce --compare 需要一个 INPUT，要写出结果时再加一个 OUTPUT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>reduce takes an INPUT and an OUTPUT file</source>
        <extracomment>kReduceTakes</extracomment>
        <translation>reduce 需要一个 INPUT 文件和一个 OUTPUT 文件</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>'%1': no points: it holds no measured blocks that give one</source>
        <extracomment>kNoPoints</extracomment>
        <translation>'%1'：没有点：其中没有能算出点的测量数据块</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/reduce_command.cpp"/>
        <source>'%1': nothing to compare: no block carries both measurements and the instrument's coordinates</source>
        <extracomment>kNothingToCompare</extracomment>
        <translation>'%1'：无可比较：没有数据块同时带有测量数据和仪器坐标</translation>
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
        <translation>用法：harwick reduce [OPTIONS] INPUT OUTPUT
      harwick reduce --compare [OPTIONS] INPUT [OUTPUT]

由 GSI 作业的测量数据计算点。测站数据块（84、85、86 测站东坐标、北坐标、
高程；88 仪器高）为其后的数据块设定测站；每个测量数据块（21 自坐标北起算的
方向，22 天顶距，31 斜距或 32 平距，33 高差，87 棱镜高，11 点名，71 编码）
生成一个点。带有仪器自身坐标（81-83）的数据块保留这些坐标。在任何测站之前
测量的数据块从原点以仪器高 0 计算，无法得出点的数据块会连同其所在行一起
报告。OUTPUT 的写法与 `harwick convert` 相同，输出选项也相同（--precision、
--to、--columns、--delimiter、--decimal-comma、--crs、--text-height）。

  --compare   对每个同时带有测量数据和仪器坐标的数据块，输出计算值减仪器值
              （东、北、高程、平面）以及最大差值
  --json      与 --compare 同用且不给出 OUTPUT 时：将比较结果输出为一个
              JSON 文档（input、notes、带 dE、dN、dH、distance 的 points，
              以及最大差值）
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>blocks</source>
        <extracomment>kBlocksUnit</extracomment>
        <translation>个数据块</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>say which job receives the fixpoints with --job N</source>
        <extracomment>kSayWhichJob</extracomment>
        <translation>请用 --job N 指定接收固定点的作业</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>the instrument has no job %1</source>
        <extracomment>kNoSuchJob</extracomment>
        <translation>全站仪上没有作业 %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>job %1 is empty: give it a name with --name</source>
        <extracomment>kJobIsEmpty</extracomment>
        <translation>作业 %1 为空：请用 --name 为其命名</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1: the instrument does not answer</source>
        <extracomment>kDoesNotAnswer</extracomment>
        <translation>%1：全站仪没有应答</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1: the instrument did not answer '%2'</source>
        <extracomment>kDidNotAnswer</extracomment>
        <translation>%1：全站仪未应答 '%2'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1: unexpected reply '%2'</source>
        <extracomment>kUnexpectedReply</extracomment>
        <translation>%1：意外的应答 '%2'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>nothing to do</source>
        <extracomment>kNothingToDo</extracomment>
        <translation>没有需要处理的内容</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1: the instrument stopped answering</source>
        <extracomment>kStoppedAnswering</extracomment>
        <translation>%1：全站仪停止了应答</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>unexpected identification reply '%1'</source>
        <extracomment>kUnexpectedIdentification</extracomment>
        <translation>意外的识别应答 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>downloaded to %1</source>
        <extracomment>kDownloadedTo</extracomment>
        <translation>已下载到 %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>uploaded %1</source>
        <extracomment>kUploaded</extracomment>
        <translation>已上传 %1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>erased</source>
        <extracomment>kErased</extracomment>
        <translation>已删除</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>name the object to download as: job N fixpoints|job N measurements|codelist N|hal N|val N</source>
        <extracomment>kNameDownloadObject</extracomment>
        <translation>请按以下形式指定要下载的对象：job N fixpoints|job N measurements|codelist N|hal N|val N</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>name the object to erase as: job N [fixpoints|measurements]|codelist|hal N|val N</source>
        <extracomment>kNameEraseObject</extracomment>
        <translation>请按以下形式指定要删除的对象：job N [fixpoints|measurements]|codelist|hal N|val N</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>erasing cannot be undone: add --yes</source>
        <extracomment>kAddYes</extracomment>
        <translation>删除无法撤销：请加上 --yes</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>no station command given (list, download, upload or erase)</source>
        <extracomment>kNoStationCommand</extracomment>
        <translation>未给出 station 命令（list、download、upload 或 erase）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>%1 takes a positive whole number, not '%2'</source>
        <extracomment>kTakesPositive</extracomment>
        <translation>%1 的值应为正整数，而不是 '%2'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>unknown station command '%1'</source>
        <extracomment>kUnknownStationCommand</extracomment>
        <translation>未知的 station 命令 '%1'</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>name the port, for example COM1</source>
        <extracomment>kNamePort</extracomment>
        <translation>请指定端口，例如 COM1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>'%1' is not a port name (COM1 ... COM256)</source>
        <extracomment>kNotPortName</extracomment>
        <translation>'%1' 不是端口名（COM1 ... COM256）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>list takes only the PORT</source>
        <extracomment>kListTakes</extracomment>
        <translation>list 只需要 PORT</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>download takes the PORT, an OBJECT and a FILE</source>
        <extracomment>kDownloadTakes</extracomment>
        <translation>download 需要 PORT、OBJECT 和 FILE</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>upload takes the PORT and one FILE</source>
        <extracomment>kUploadTakes</extracomment>
        <translation>upload 需要 PORT 和一个 FILE</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/station.cpp"/>
        <source>erase takes the PORT and an OBJECT</source>
        <extracomment>kEraseTakes</extracomment>
        <translation>erase 需要 PORT 和 OBJECT</translation>
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
        <translation>用法：harwick station list PORT [--json] [--timeout MS] [--log FILE]
      harwick station download PORT OBJECT FILE [--quiet] [--timeout MS] [--log FILE]
      harwick station upload PORT FILE [--job N] [--name NAME] [--quiet] [--timeout MS] [--log FILE]
      harwick station erase PORT OBJECT --yes [--timeout MS] [--log FILE]

PORT 为 COM1 ... COM256（harwick ports 显示哪些端口存在）。OBJECT 为以下之一：
job N fixpoints、job N measurements、codelist N、hal N、val N；erase 还接受
job N（整个作业）和 codelist。
list 列出全站仪中保存的内容；使用 --json 时输出为一个 JSON 文档（端口、序列号、
编码表、作业及其各部分的数据块数、格式和线形）。
名为 .dat 的下载文件 FILE 以 KARD 行接收作业数据。上传的内容由文件名决定：
.hal 和 .val 为线形，.crf 为编码表，其他文件为固定点，固定点上传到作业 N
（--job），并为空作业命名（--name）。
在终端上，download 和 upload 在 stderr 的一行中显示进度（数据块数、已知时的
总数、字节数、速率、时间）；--quiet 不显示进度。
--timeout MS 为每次等待应答的时长。
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/traffic.cpp"/>
        <source>%1; the transfer goes on without it</source>
        <extracomment>kGoesOnWithout</extracomment>
        <translation>%1；传输将在没有通讯日志的情况下继续</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/traffic.h"/>
        <source>--log FILE writes every chunk that crosses the cable to FILE: milliseconds since
the start, out (to the instrument) or in, the bytes in hex and as text.
</source>
        <extracomment>kLogUsage</extracomment>
        <translation>--log FILE 将经过数据线的每一段数据写入 FILE：自开始起的毫秒数、out（发往
全站仪）或 in、以十六进制和文本表示的字节。
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>ok (transfers use it)</source>
        <extracomment>kUsedMark</extracomment>
        <translation>可用（传输使用此项）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>names need access</source>
        <extracomment>kNamesNeedAccess</extracomment>
        <translation>需要访问权限才能读取名称</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>no names</source>
        <extracomment>kNoNames</extracomment>
        <translation>无名称</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>stale, passed over: nobody holds its pipes (left by a simulator that ended; remove the folder)</source>
        <extracomment>kStale</extracomment>
        <translation>已失效，跳过：没有进程持有其管道（由已结束的模拟器遗留；请删除该文件夹）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over: PIPE00 and PIPE01 are not both FIFOs in it</source>
        <extracomment>kNoPipes</extracomment>
        <translation>跳过：其中的 PIPE00 和 PIPE01 并非都是 FIFO</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over: its path is too long for the library's 256 characters</source>
        <extracomment>kPathTooLong</extracomment>
        <translation>跳过：其路径超出了库所允许的 256 个字符</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over: PIPE01 does not open: %1</source>
        <extracomment>kRefused</extracomment>
        <translation>跳过：PIPE01 无法打开：%1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over: %1</source>
        <extracomment>kPassedOverBecause</extracomment>
        <translation>跳过：%1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>passed over</source>
        <extracomment>kPassedOver</extracomment>
        <translation>跳过</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>emulated</source>
        <extracomment>kEmulated</extracomment>
        <translation>模拟</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>bus %1 address %2</source>
        <extracomment>kBusAddress</extracomment>
        <translation>总线 %1 地址 %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>listed</source>
        <extracomment>kListed</extracomment>
        <translation>已列入</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>not listed (harwick usb add %1)</source>
        <extracomment>kNotListed</extracomment>
        <translation>未列入（harwick usb add %1）</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>; fix: install the udev rule that harwick usb add %1 prints (as root it writes it), then plug the device in again</source>
        <extracomment>kUdevFix</extracomment>
        <translation>；解决办法：安装 harwick usb add %1 输出的 udev 规则（以 root 运行时它会自行写入），然后重新插入设备</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>libusb does not start: %1</source>
        <extracomment>kLibusbDoesNotStart</extracomment>
        <translation>libusb 无法启动：%1</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>no USB instruments found: no emulated interface and no USB device with one bulk IN and one bulk OUT endpoint</source>
        <extracomment>kNoUsbInstruments</extracomment>
        <translation>未找到 USB 仪器：没有模拟接口，也没有带一个批量 IN 端点和一个批量 OUT 端点的 USB 设备</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>cannot look at %1: %2</source>
        <extracomment>kCannotLookAt</extracomment>
        <translation>无法访问 %1：%2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>'%1' is no USB id: give VID:PID, four hexadecimal digits each, e.g. 0a1b:c2d3</source>
        <extracomment>kNoUsbId</extracomment>
        <translation>'%1' 不是 USB id：请给出 VID:PID，各为四位十六进制数字，例如 0a1b:c2d3</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>%1 added to %2</source>
        <extracomment>kAddedTo</extracomment>
        <translation>%1 已添加到 %2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>cannot give %1 to its user: %2</source>
        <extracomment>kCannotGive</extracomment>
        <translation>无法将 %1 交给其用户：%2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>%1 is already in %2</source>
        <extracomment>kAlreadyIn</extracomment>
        <translation>%1 已在 %2 中</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>cannot add %1 to the list: %2</source>
        <extracomment>kCannotAdd</extracomment>
        <translation>无法将 %1 添加到列表：%2</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>To let the logged-in user open it, put this line into %1 as root:
</source>
        <extracomment>kPutRuleAsRoot</extracomment>
        <translation>要让已登录的用户打开它，请以 root 身份将下面这一行写入 %1：
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>then reload the rules: sudo sh -c '%1'
</source>
        <extracomment>kThenReload</extracomment>
        <translation>然后重新加载规则：sudo sh -c '%1'
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>(sudo harwick usb add %1 writes the rule itself.)
</source>
        <extracomment>kSudoWritesIt</extracomment>
        <translation>（sudo harwick usb add %1 会自行写入该规则。）
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>udev rule added to %1:
</source>
        <extracomment>kRuleAdded</extracomment>
        <translation>udev 规则已添加到 %1：
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>the udev rule is already in %1:
</source>
        <extracomment>kRuleAlreadyThere</extracomment>
        <translation>udev 规则已在 %1 中：
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>cannot write the udev rule: %1
</source>
        <extracomment>kCannotWriteRule</extracomment>
        <translation>无法写入 udev 规则：%1
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>put this line into %1 yourself:
</source>
        <extracomment>kPutRuleYourself</extracomment>
        <translation>请自行将下面这一行写入 %1：
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>reload the rules: %1
</source>
        <extracomment>kReload</extracomment>
        <translation>重新加载规则：%1
</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>list or add?</source>
        <extracomment>kListOrAdd</extracomment>
        <translation>list 还是 add？</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>list takes nothing more</source>
        <extracomment>kListTakesNothing</extracomment>
        <translation>list 不需要其他参数</translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/usb.cpp"/>
        <source>add takes one VID:PID</source>
        <extracomment>kAddTakes</extracomment>
        <translation>add 需要一个 VID:PID</translation>
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
        <translation>用法：harwick usb list [--json]
      harwick usb add VID:PID

list 按尝试顺序显示数据线传输程序的 USB 库会找到的内容：先是模拟接口（模拟
全站仪的文件夹；已结束的模拟器遗留的失效接口会被跳过），然后是每个带一个批量
IN 端点和一个批量 OUT 端点的 USB 设备：其 id、名称、总线和地址、其 id 是否在
您的 usb-devices 列表中，以及您能否打开它（不能时说明原因和解决办法）。
--json 将同样的内容输出为一个 JSON 文档。

add 将 VID:PID（各为四位十六进制数字）加入您的 usb-devices 列表，并输出让
已登录用户打开该设备的 udev 规则；以 root 运行时，还会将规则写入
/etc/udev/rules.d/70-harwick-usb.rules。
</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Cannot open </source>
        <extracomment>kCannotOpen</extracomment>
        <translation>无法打开 </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> is not a point file the editor reads: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml (LandXML) or .dxf.</source>
        <extracomment>kNotAPointFile</extracomment>
        <translation> 不是本编辑器能读取的点文件：请将其扩展名改为 .gsi (GSI)、.dat (KARD)、.idx (IDX)、.csv、.geojson、.xml (LandXML) 或 .dxf。</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> could be </source>
        <extracomment>kCouldBe</extracomment>
        <translation> 可能是 </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>: give it the extension of the one it is.</source>
        <extracomment>kNameTheKind</extracomment>
        <translation>：请按其实际格式给文件加上相应的扩展名。</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>No points were found in </source>
        <extracomment>kNoPointsFound</extracomment>
        <translation>以下文件中未找到任何点: </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>The grid was left as it was.</source>
        <extracomment>kGridKept</extracomment>
        <translation>表格内容保持不变。</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> holds </source>
        <extracomment>kMeasuredHolds</extracomment>
        <translation> 含有 </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> measured block without coordinates</source>
        <extracomment>kMeasuredBlock</extracomment>
        <translation> 个无坐标的测量数据块</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> measured blocks without coordinates</source>
        <extracomment>kMeasuredBlocks</extracomment>
        <translation> 个无坐标的测量数据块</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>. Compute their points from the measurements? (No opens only the points with coordinates.)</source>
        <extracomment>kComputeQuestion</extracomment>
        <translation>。是否根据测量数据计算这些点？（选“否”则只打开有坐标的点。）</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> Computed points are saved under a new name, so that the measurements are kept.</source>
        <extracomment>kComputedUntitled</extracomment>
        <translation> 计算所得的点将以新文件名保存，以保留原测量数据。</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Cannot save </source>
        <extracomment>kCannotSave</extracomment>
        <translation>无法保存 </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> is not a kind of file the editor writes: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml (LandXML) or .dxf. Nothing was saved.</source>
        <extracomment>kUnknownSaveKind</extracomment>
        <translation> 不是本编辑器能写入的文件类型：请将其扩展名改为 .gsi (GSI)、.dat (KARD)、.idx (IDX)、.csv、.geojson、.xml (LandXML) 或 .dxf。未保存任何内容。</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> already exists.
Do you want to replace it?</source>
        <extracomment>kAlreadyExists</extracomment>
        <translation> 已存在。
是否替换？</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> would hold less than the grid:</source>
        <extracomment>kWouldHoldLess</extracomment>
        <translation> 将无法容纳表格中的全部内容：</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>

Save anyway?</source>
        <extracomment>kSaveAnyway</extracomment>
        <translation>

仍要保存吗？</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Nothing was saved.</source>
        <extracomment>kNotSaved</extracomment>
        <translation>未保存任何内容。</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Opened </source>
        <extracomment>kOpenedPrefix</extracomment>
        <translation>已打开 </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source>Saved </source>
        <extracomment>kSavedPrefix</extracomment>
        <translation>已保存 </translation>
    </message>
    <message>
        <location filename="../apps/pointbook/core/editor_messages.h"/>
        <source> point(s).</source>
        <extracomment>kPointsSuffix</extracomment>
        <translation> 个点。</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Name</source>
        <extracomment>kNameColumn</extracomment>
        <translation>点名</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Y(Easting)</source>
        <extracomment>kEastingColumn</extracomment>
        <translation>Y(东坐标)</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>X(Northing)</source>
        <extracomment>kNorthingColumn</extracomment>
        <translation>X(北坐标)</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>H(Elevation)</source>
        <extracomment>kElevationColumn</extracomment>
        <translation>H(高程)</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Setting</source>
        <extracomment>kSettingEntry</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>OPTIONS</source>
        <extracomment>kOptionsTitle</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Unit:</source>
        <extracomment>kUnitLabel</extracomment>
        <translation>单位：</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>Precision:</source>
        <extracomment>kPrecisionLabel</extracomment>
        <translation>精度：</translation>
    </message>
    <message>
        <location filename="../apps/pointbook/ui/window_texts.h"/>
        <source>About pointbook</source>
        <extracomment>kAboutTitle</extracomment>
        <translation>关于 pointbook</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>Open File False!</source>
        <extracomment>kOpenFailed</extracomment>
        <translation>打开文件失败！</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>tip</source>
        <extracomment>kResultCaption</extracomment>
        <translation>提示</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>Writing dxf file done,%d Point convert ok!</source>
        <extracomment>kDoneFormat</extracomment>
        <translation>DXF 文件写入完成，已成功转换 %d 个点！</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>Error while writing dxf file!</source>
        <extracomment>kWriteFailed</extracomment>
        <translation>写入 DXF 文件时出错！</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>%s already exists.
Do you want to replace it?</source>
        <extracomment>kReplaceFormat</extracomment>
        <translation>%s 已存在。
是否替换？</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <source>Open GSI file</source>
        <extracomment>kOpenTitle kPathLabel</extracomment>
        <translation>打开 GSI 文件</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>GSI File (*.gsi)</source>
        <extracomment>kOpenFilter</extracomment>
        <translation>GSI 文件 (*.gsi)</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>Save as DXF file</source>
        <extracomment>kSaveTitle</extracomment>
        <translation>另存为 DXF 文件</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/core/sketch_texts.h"/>
        <source>DXF File (*.dxf)</source>
        <extracomment>kSaveFilter</extracomment>
        <translation>DXF 文件 (*.dxf)</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <source>Font height setting:</source>
        <extracomment>kFontHeightLabel</extracomment>
        <translation>字体高度设置：</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>About...</source>
        <extracomment>kAboutButton kAboutEntry</extracomment>
        <translation>关于...</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <source>About sketchconv</source>
        <extracomment>kAboutTitle</extracomment>
        <translation>关于 sketchconv</translation>
    </message>
    <message>
        <location filename="../apps/sketchconv/ui/dialog_texts.h"/>
        <source>Version 1.2</source>
        <extracomment>kAboutVersion</extracomment>
        <translation>版本 1.2</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/device_tree.h"/>
        <source>&lt;EMPTY&gt;</source>
        <extracomment>kPlaceholderTitle</extracomment>
        <translation>&lt;空&gt;</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/download.cpp"/>
        <source>The file has been existed,cover it?</source>
        <extracomment>kFileExists</extracomment>
        <translation>文件已存在，是否覆盖？</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/download.cpp"/>
        <source>Wrong</source>
        <extracomment>kWrong</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/erase.cpp"/>
        <source>
Really?</source>
        <extracomment>kReally</extracomment>
        <translation>
确定吗？</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/erase.cpp"/>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>Warning</source>
        <extracomment>kWarningCaption kWarningCaption</extracomment>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>New Folder</source>
        <extracomment>kNewFolderName kNewFolderCaption</extracomment>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>New Folder (%d)</source>
        <extracomment>kNewFolderNumbered</extracomment>
        <translation>新建文件夹 (%d)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>No new folder can be created in </source>
        <extracomment>kNewFolderFailed</extracomment>
        <translation>无法在以下位置新建文件夹: </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>Rename Failed</source>
        <extracomment>kRenameFailed</extracomment>
        <translation>重命名失败：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>:This file has the same name with another file,Please set a new name</source>
        <extracomment>kRenameSameName</extracomment>
        <translation>：此文件与另一个文件同名，请设置新名称</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>Rename FileName or  FolderName Error </source>
        <extracomment>kRenameCaption</extracomment>
        <translation>重命名文件或文件夹出错 </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>Delete file </source>
        <extracomment>kDeleteQuestion</extracomment>
        <translation>删除文件 </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>The file will be delete!-Really?</source>
        <extracomment>kDeleteReally</extracomment>
        <translation>该文件将被删除！确定吗？</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source> (F)File</source>
        <extracomment>kFileTypeSuffix</extracomment>
        <translation> (F)文件</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/file_ops.h"/>
        <source>unknown file format</source>
        <extracomment>kUnknownFileFormat</extracomment>
        <translation>未知文件格式</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>cannot open serial port</source>
        <extracomment>kCannotOpenSerialPort</extracomment>
        <translation>无法打开串口</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Port initial failed</source>
        <extracomment>kPortInitialFailed</extracomment>
        <translation>端口初始化失败</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Port inital failed</source>
        <extracomment>kPortInitalFailed</extracomment>
        <translation>端口初始化失败</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Port initialize failed</source>
        <extracomment>kPortInitializeFailed</extracomment>
        <translation>端口初始化失败</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Initialize failure</source>
        <extracomment>kInitializeFailure</extracomment>
        <translation>初始化失败</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>connect failed</source>
        <extracomment>kConnectFailed</extracomment>
        <translation>连接失败</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Connect Error</source>
        <extracomment>kConnectError</extracomment>
        <translation>连接错误</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/messages.h"/>
        <source>Time Out</source>
        <extracomment>kTimeOut</extracomment>
        <translation>超时</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/move.h"/>
        <source>Only a code list, a job's fixpoints or measurement data, or a road alignment can be moved. Nothing was copied and nothing was erased.</source>
        <extracomment>kMoveNothingToCopy</extracomment>
        <translation>只能移动编码表、作业的固定点或测量数据，或道路线形。未复制也未删除任何内容。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/move.h"/>
        <source>Nothing was erased on the instrument. </source>
        <extracomment>kMoveKeptOnInstrument</extracomment>
        <translation>全站仪上的数据未被删除。 </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/move.h"/>
        <source>the object is no longer listed.</source>
        <extracomment>kMoveNoLongerListed</extracomment>
        <translation>该对象已不在列表中。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source>The instrument stopped answering (no reply to %1).</source>
        <extracomment>kNoAnswer</extracomment>
        <translation>全站仪已停止应答（对 %1 无回复）。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source>The instrument answered %1, which was not expected.</source>
        <extracomment>kUnexpectedReply</extracomment>
        <translation>全站仪回复了 %1，与预期不符。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> No file was written.</source>
        <extracomment>kNoFileWritten</extracomment>
        <translation> 未写入任何文件。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> %1 was not written; a file already there keeps its old content. The data is still on the instrument.</source>
        <extracomment>kFileNotWritten</extracomment>
        <translation> 未写入 %1；若该文件已存在，其原有内容保持不变。数据仍在全站仪上。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> Nothing was sent to the instrument.</source>
        <extracomment>kNothingSent</extracomment>
        <translation> 未向全站仪发送任何数据。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> The instrument acknowledged %1 line of %2 before the upload stopped, so it may hold part of the data: upload the file again.</source>
        <extracomment>kPartlyUploadedLine</extracomment>
        <translation> 上传停止前，全站仪已确认 %2 中的 %1 行，因此全站仪上可能只有部分数据：请重新上传该文件。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> The instrument acknowledged %1 lines of %2 before the upload stopped, so it may hold part of the data: upload the file again.</source>
        <extracomment>kPartlyUploadedLines</extracomment>
        <translation> 上传停止前，全站仪已确认 %2 中的 %1 行，因此全站仪上可能只有部分数据：请重新上传该文件。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source>The instrument answered %1 while it was being listed, so the listing was stopped. Update to list it again.</source>
        <extracomment>kListingStopped</extracomment>
        <translation>列出全站仪内容时，全站仪回复了 %1，因此已停止列出。请使用“更新设备/文件”重新列出。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source>Nothing was done: %1.</source>
        <extracomment>kNothingDone</extracomment>
        <translation>未执行任何操作：%1。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> Whether it erased anything is not known; the list still shows the object as it was. List the instrument again to see.</source>
        <extracomment>kEraseUnknown</extracomment>
        <translation> 无法确定全站仪是否删除了数据；列表中仍按原样显示该对象。请重新列出全站仪内容以查看。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/outcome_texts.cpp"/>
        <source> The list still shows the object as it was.</source>
        <extracomment>kListUnchanged</extracomment>
        <translation> 列表中仍按原样显示该对象。</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Coordinate files (*.crd)</source>
        <extracomment>kFilterCoordinates</extracomment>
        <translation>坐标文件 (*.crd)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Measurement data files (*.mdt)</source>
        <extracomment>kFilterMeasurements</extracomment>
        <translation>测量数据文件 (*.mdt)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Format files (*.frt)</source>
        <extracomment>kFilterFormats</extracomment>
        <translation>格式文件 (*.frt)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Codelists (*.crf)</source>
        <extracomment>kFilterCodelists</extracomment>
        <translation>编码表 (*.crf)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Text files (*.txt)</source>
        <extracomment>kFilterText</extracomment>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Codelist (*.cde)</source>
        <extracomment>kFilterCodelist</extracomment>
        <translation>编码表 (*.cde)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>GSI files (*.gsi)</source>
        <extracomment>kFilterGsi</extracomment>
        <translation>GSI 文件 (*.gsi)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>IDEX files (*.idx)</source>
        <extracomment>kFilterIdex</extracomment>
        <translation>IDEX 文件 (*.idx)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Road horizon(*.hal)</source>
        <extracomment>kFilterRoadHorizon</extracomment>
        <translation>道路平曲线 (*.hal)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>Road vertical (*.val)</source>
        <extracomment>kFilterRoadVertical</extracomment>
        <translation>道路竖曲线 (*.val)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>NorvikSurvey KARD (*.dat)</source>
        <extracomment>kFilterKard</extracomment>
        <translation>NorvikSurvey KARD 文件 (*.dat)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/pc_tree.h"/>
        <source>All files (*.*)</source>
        <extracomment>kFilterAll</extracomment>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Port:</source>
        <extracomment>kPortListLabel</extracomment>
        <translation>端口：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Instrument:</source>
        <extracomment>kInstrumentListLabel</extracomment>
        <translation>仪器：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Baudrate:</source>
        <extracomment>kBaudRateListLabel</extracomment>
        <translation>波特率：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Parity</source>
        <extracomment>kParityListLabel</extracomment>
        <translation>校验</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Stopbits:</source>
        <extracomment>kStopBitsListLabel</extracomment>
        <translation>停止位：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Databits:</source>
        <extracomment>kDataBitsListLabel</extracomment>
        <translation>数据位：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Endmark:</source>
        <extracomment>kEndmarkListLabel</extracomment>
        <translation>结束符：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Even</source>
        <extracomment>kEvenEntry</extracomment>
        <translation>偶</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/port_settings.cpp"/>
        <source>Odd</source>
        <extracomment>kOddEntry</extracomment>
        <translation>奇</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/core/probe.h"/>
        <source>No serial port could be opened: </source>
        <extracomment>kNoPortOpened</extracomment>
        <translation>无法打开任何串口: </translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Move</source>
        <extracomment>kMoveEntry</extracomment>
        <translation>移动(&amp;M)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Delete</source>
        <extracomment>kDeleteEntry</extracomment>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;New Folder</source>
        <extracomment>kNewFolderEntry</extracomment>
        <translation>新建文件夹(&amp;N)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Copy</source>
        <extracomment>kCopyEntry</extracomment>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Rename...</source>
        <extracomment>kRenameAskEntry</extracomment>
        <translation>重命名(&amp;R)...</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Update...</source>
        <extracomment>kUpdateAskEntry</extracomment>
        <translation>更新(&amp;U)...</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Update</source>
        <extracomment>kUpdatePcEntry</extracomment>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;New folder</source>
        <extracomment>kNewPcFolderEntry</extracomment>
        <translation>新建文件夹(&amp;N)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Rename</source>
        <extracomment>kRenameEntry</extracomment>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Pathbar</source>
        <extracomment>kPathbarEntry</extracomment>
        <translation>路径栏(&amp;P)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Statusbar</source>
        <extracomment>kStatusbarEntry</extracomment>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Options</source>
        <extracomment>kOptionsMenu</extracomment>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Update Device/Files</source>
        <extracomment>kUpdateEntry</extracomment>
        <translation>更新设备/文件(&amp;U)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;File Info</source>
        <extracomment>kFileInfoEntry</extracomment>
        <translation>文件信息(&amp;F)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Port Setting</source>
        <extracomment>kPortSettingEntry</extracomment>
        <translation>端口设置(&amp;P)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>&amp;Help Topics</source>
        <extracomment>kHelpTopicsEntry</extracomment>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Standard</source>
        <extracomment>kStandardBar</extracomment>
        <translation>标准</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Buttons</source>
        <extracomment>kButtonsBar</extracomment>
        <translation>按钮</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Path</source>
        <extracomment>kPathBar</extracomment>
        <translation>路径</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Filter</source>
        <extracomment>kFilterLabel</extracomment>
        <translation>筛选</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Cut</source>
        <extracomment>kCutButton</extracomment>
        <translation>剪切</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Copy</source>
        <extracomment>kCopyButton</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Paste</source>
        <extracomment>kPasteButton</extracomment>
        <translation>粘贴</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Print</source>
        <extracomment>kPrintButton</extracomment>
        <translation>打印</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>An instrument operation is under way</source>
        <extracomment>kBusyText</extracomment>
        <translation>正在进行全站仪操作</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>About Harwick Station</source>
        <extracomment>kAboutCaption</extracomment>
        <translation>关于 Harwick Station</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Part of the Harwick survey suite</source>
        <extracomment>kAboutOwnership</extracomment>
        <translation>Harwick survey suite 的组成部分</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Initiating Conmmunication</source>
        <extracomment>kWaitInitiating</extracomment>
        <translation>正在建立通讯</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Please wait...</source>
        <extracomment>kWaitPlease</extracomment>
        <translation>请稍候...</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>File Downloading</source>
        <extracomment>kDownloadCaption</extracomment>
        <translation>正在下载文件</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Source File:</source>
        <extracomment>kSourceFileLabel</extracomment>
        <translation>源文件：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Destination:</source>
        <extracomment>kDestinationLabel</extracomment>
        <translation>目标位置：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>File Name:</source>
        <extracomment>kFileNameLabel</extracomment>
        <translation>文件名：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Format:</source>
        <extracomment>kFormatLabel</extracomment>
        <translation>格式：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Receiving...</source>
        <extracomment>kProgressCaption</extracomment>
        <translation>正在接收...</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>FileType:</source>
        <extracomment>kFileTypeLabel kInfoFileTypeLabel</extracomment>
        <translation>文件类型：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Block:</source>
        <extracomment>kBlockLabel</extracomment>
        <translation>数据块：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>UpLoad File</source>
        <extracomment>kUploadCaption</extracomment>
        <translation>上传文件</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Souce File:</source>
        <extracomment>kUploadSourceLabel</extracomment>
        <translation>源文件：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Input a new name</source>
        <extracomment>kNewNameCaption</extracomment>
        <translation>输入新名称</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Please input a new name!</source>
        <extracomment>kNewNamePrompt</extracomment>
        <translation>请输入新名称！</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>File Info</source>
        <extracomment>kFileInfoCaption</extracomment>
        <translation>文件信息</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>FileName:</source>
        <extracomment>kInfoFileNameLabel</extracomment>
        <translation>文件名：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Path:</source>
        <extracomment>kInfoPathLabel</extracomment>
        <translation>路径：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>FileFormat:</source>
        <extracomment>kInfoFileFormatLabel</extracomment>
        <translation>文件格式：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Size:</source>
        <extracomment>kInfoSizeLabel</extracomment>
        <translation>大小：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Date:</source>
        <extracomment>kInfoDateLabel</extracomment>
        <translation>日期：</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Communication settings</source>
        <extracomment>kSettingsCaption</extracomment>
        <translation>通讯设置</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Communication Settings</source>
        <extracomment>kSettingsTab</extracomment>
        <translation>通讯设置</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Current Selection</source>
        <extracomment>kCurrentSelectionGroup</extracomment>
        <translation>当前选择</translation>
    </message>
    <message>
        <location filename="../apps/stationmate/ui/dialog_texts.h"/>
        <source>Settings</source>
        <extracomment>kSettingsGroup</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Instrument Exchange</source>
        <extracomment>kExchangeCaption</extracomment>
        <translation>全站仪数据交换</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Coordinate Editor</source>
        <extracomment>kEditorCaption</extracomment>
        <translation>坐标编辑器</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Codelist Manager</source>
        <extracomment>kCodelistCaption</extracomment>
        <translation>编码表管理器</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Road Designer</source>
        <extracomment>kRoadCaption</extracomment>
        <translation>道路设计</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>GSI to DXF</source>
        <extracomment>kSketchCaption</extracomment>
        <translation>GSI 转 DXF</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/core/programs.h"/>
        <source>Cable Transfer</source>
        <extracomment>kCableCaption</extracomment>
        <translation>数据线传输</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/ui/launcher_texts.h"/>
        <source>About toolhub…</source>
        <extracomment>kAboutEntry</extracomment>
        <translation>关于 toolhub…</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/ui/launcher_texts.h"/>
        <source>About toolhub</source>
        <extracomment>kAboutTitle</extracomment>
        <translation>关于 toolhub</translation>
    </message>
    <message>
        <location filename="../apps/toolhub/ui/launcher_texts.h"/>
        <source>toolhub version 1.2</source>
        <extracomment>kAboutVersion</extracomment>
        <translation>toolhub 版本 1.2</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>Accepted columns: name, e or easting, n or northing, z or elevation, code (for example name,n,e,z,code).</source>
        <extracomment>kAcceptedColumns</extracomment>
        <translation>可用的列：name、e 或 easting、n 或 northing、z 或 elevation、code（例如 name,n,e,z,code）。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>No columns given.</source>
        <extracomment>kNoColumns</extracomment>
        <translation>未指定列。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>Unknown column &quot;</source>
        <extracomment>kUnknownColumn</extracomment>
        <translation>未知的列 &quot;</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The column &quot;</source>
        <extracomment>kColumnTwicePrefix</extracomment>
        <translation>列 &quot;</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>&quot; is given twice.</source>
        <extracomment>kColumnTwiceSuffix</extracomment>
        <translation>&quot; 指定了两次。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The delimiter must be &quot;,&quot;, &quot;;&quot; or tab.</source>
        <extracomment>kBadDelimiter</extracomment>
        <translation>分隔符必须是 &quot;,&quot;、&quot;;&quot; 或 tab（制表符）。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>A decimal comma needs the delimiter &quot;;&quot; or tab: with &quot;,&quot; the decimals of a coordinate would be a column of their own.</source>
        <extracomment>kDecimalCommaNeedsDelimiter</extracomment>
        <translation>使用小数逗号时，分隔符必须是 &quot;;&quot; 或 tab：若用 &quot;,&quot;，坐标的小数部分会成为单独的一列。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>Pass the columns (for example name,n,e,z,code), the delimiter (&quot;,&quot;, &quot;;&quot; or tab) and whether the coordinates have a decimal comma.</source>
        <extracomment>kChoices</extracomment>
        <translation>请指定列（例如 name,n,e,z,code）、分隔符（&quot;,&quot;、&quot;;&quot; 或 tab）以及坐标是否使用小数逗号。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The file holds no lines.</source>
        <extracomment>kNoLines</extracomment>
        <translation>文件中没有任何行。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>No delimiter (&quot;,&quot;, &quot;;&quot; or tab) splits the lines into the same number of fields.</source>
        <extracomment>kNoDelimiter</extracomment>
        <translation>没有哪个分隔符（&quot;,&quot;、&quot;;&quot; 或 tab）能将各行拆分为相同数量的字段。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>More than one delimiter splits the lines into columns that fit.</source>
        <extracomment>kManyDelimiters</extracomment>
        <translation>有不止一个分隔符都能将各行拆分为相符的列。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The columns cannot be told apart: no header row names them (name, easting, northing, elevation, code), and the rows are not five columns of name, easting, northing, elevation and code with numbers in the second to fourth.</source>
        <extracomment>kColumnsUnknown</extracomment>
        <translation>无法区分各列：没有标题行给出列名（name、easting、northing、elevation、code），各行也不是依次为 name、easting、northing、elevation、code 且第二至第四列为数字的五列。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>The columns given name </source>
        <extracomment>kGivenColumnsPrefix</extracomment>
        <translation>指定的列有 </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source> fields, but the rows hold </source>
        <extracomment>kGivenColumnsMiddle</extracomment>
        <translation> 个字段，但文件各行的字段数为 </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>Line </source>
        <extracomment>kLinePrefix</extracomment>
        <translation>行 </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>: a quoted field is not closed.</source>
        <extracomment>kUnclosedQuote</extracomment>
        <translation>: 带引号的字段没有闭合。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>: a quoted field goes on after its closing quote.</source>
        <extracomment>kTextAfterQuote</extracomment>
        <translation>: 带引号的字段在结束引号之后还有内容。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source> fields where the rows before it have </source>
        <extracomment>kFieldCountSuffix</extracomment>
        <translation> 个字段，而之前各行的字段数为 </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>: the </source>
        <extracomment>kCellPrefix</extracomment>
        <translation>: 列 </translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>&quot; is not a number.</source>
        <extracomment>kNotANumber</extracomment>
        <translation>&quot; 不是数字。</translation>
    </message>
    <message>
        <location filename="../formats/csv/csv.cpp"/>
        <source>&quot; is not a number with a decimal comma.</source>
        <extracomment>kNotANumberWithComma</extracomment>
        <translation>&quot; 不是使用小数逗号的数字。</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the text height must be a positive number</source>
        <extracomment>kBadTextHeight</extracomment>
        <translation>文字高度必须是正数</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the code &quot;</source>
        <extracomment>kCodeOnLayerBefore</extracomment>
        <translation>编码 &quot;</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>&quot; is drawn on layer &quot;</source>
        <extracomment>kCodeOnLayerMiddle</extracomment>
        <translation>&quot; 绘制在图层 &quot;</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>&quot;, the layer of points without a code</source>
        <extracomment>kNoCodeAfter</extracomment>
        <translation>&quot;，即无编码点所用的图层</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>codes that differ only in letter case share layer &quot;</source>
        <extracomment>kSharedLayerBefore</extracomment>
        <translation>仅大小写不同的编码共用图层 &quot;</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the name of row </source>
        <extracomment>kNameTooLongBefore</extracomment>
        <translation>第 </translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source> is too long for a label and is not shown</source>
        <extracomment>kNameTooLongAfter</extracomment>
        <translation> 行的点名过长，无法作为标注，未予显示</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>this is a binary drawing: save it as an ASCII DXF drawing to read it</source>
        <extracomment>kBinary</extracomment>
        <translation>这是二进制图形：请将其另存为 ASCII DXF 图形后再读取</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the file is not a DXF drawing: it does not start with a SECTION</source>
        <extracomment>kNotDxf</extracomment>
        <translation>文件不是 DXF 图形：它不是以 SECTION 开头</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the drawing has no ENTITIES section</source>
        <extracomment>kNoEntities</extracomment>
        <translation>图形中没有 ENTITIES 段</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>a group code (a whole number) was expected here</source>
        <extracomment>kBadCode</extracomment>
        <translation>此处应为组码（整数）</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>the drawing ends between a group code and its value</source>
        <extracomment>kCutOff</extracomment>
        <translation>图形在组码与其值之间中断</translation>
    </message>
    <message>
        <location filename="../formats/dxf/dxf.cpp"/>
        <source>this coordinate is not a number</source>
        <extracomment>kBadValue</extracomment>
        <translation>此坐标不是数字</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the coordinate system must be given as EPSG:n, for example EPSG:25832</source>
        <extracomment>kBadCrs</extracomment>
        <translation>坐标系必须以 EPSG:n 的形式给出，例如 EPSG:25832</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the file is not GeoJSON: it holds no FeatureCollection or Feature</source>
        <extracomment>kNotGeoJson</extracomment>
        <translation>文件不是 GeoJSON：其中没有 FeatureCollection 或 Feature</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the file holds a bare geometry, not a Feature or FeatureCollection</source>
        <extracomment>kBareGeometry</extracomment>
        <translation>文件中只有单独的几何对象，而不是 Feature 或 FeatureCollection</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the FeatureCollection has no &quot;features&quot; array</source>
        <extracomment>kNoFeatures</extracomment>
        <translation>FeatureCollection 中没有 &quot;features&quot; 数组</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>this member of &quot;features&quot; is not a Feature</source>
        <extracomment>kNotAFeature</extracomment>
        <translation>&quot;features&quot; 的这个成员不是 Feature</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a Point's coordinates must be an array of two or three numbers</source>
        <extracomment>kBadPosition</extracomment>
        <translation>Point 的坐标必须是由两个或三个数字组成的数组</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a JSON value was expected here</source>
        <extracomment>kExpectedValue</extracomment>
        <translation>此处应为 JSON 值</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a member name in double quotes was expected here</source>
        <extracomment>kExpectedKey</extracomment>
        <translation>此处应为用双引号括起的成员名</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a colon was expected after the member name</source>
        <extracomment>kExpectedColon</extracomment>
        <translation>成员名之后应为冒号</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a comma or a closing brace was expected here</source>
        <extracomment>kExpectedObjectNext</extracomment>
        <translation>此处应为逗号或右花括号</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a comma or a closing bracket was expected here</source>
        <extracomment>kExpectedArrayNext</extracomment>
        <translation>此处应为逗号或右方括号</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the string is not closed</source>
        <extracomment>kUnfinishedString</extracomment>
        <translation>字符串没有闭合</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>a control character must be escaped inside a string</source>
        <extracomment>kControlInString</extracomment>
        <translation>字符串中的控制字符必须转义</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>this backslash escape is not JSON</source>
        <extracomment>kBadEscape</extracomment>
        <translation>此反斜杠转义不是 JSON 的转义</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>this \u escape is half a surrogate pair</source>
        <extracomment>kBadUnicode</extracomment>
        <translation>此 \u 转义只是代理对的一半</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>this number is not written as JSON writes numbers</source>
        <extracomment>kBadNumber</extracomment>
        <translation>此数字的写法不符合 JSON 的数字格式</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>the values are nested too deeply</source>
        <extracomment>kTooDeep</extracomment>
        <translation>值的嵌套层数过深</translation>
    </message>
    <message>
        <location filename="../formats/geojson/geojson.cpp"/>
        <source>there is more text after the GeoJSON object</source>
        <extracomment>kTrailing</extracomment>
        <translation>GeoJSON 对象之后还有多余的文本</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the name or code holds a control character XML cannot carry</source>
        <extracomment>kControlInText</extracomment>
        <translation>点名或编码中含有 XML 无法容纳的控制字符</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the file is not LandXML: its first element is not LandXML</source>
        <extracomment>kNotLandXml</extracomment>
        <translation>文件不是 LandXML：其第一个元素不是 LandXML</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the file is not XML: it does not start with markup</source>
        <extracomment>kNotXml</extracomment>
        <translation>文件不是 XML：它不是以标记开头</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the linear unit &quot;</source>
        <extracomment>kUnknownUnitBefore</extracomment>
        <translation>长度单位 &quot;</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>&quot; is not one this reader knows</source>
        <extracomment>kUnknownUnitAfter</extracomment>
        <translation>&quot; 不是本程序能识别的单位</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>a CgPoint's text must be two or three numbers: northing easting [elevation]</source>
        <extracomment>kBadCgPoint</extracomment>
        <translation>CgPoint 的文本必须是两个或三个数字：北坐标 东坐标 [高程]</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>only UTF-8 files are read; this file names another encoding</source>
        <extracomment>kEncoding</extracomment>
        <translation>只能读取 UTF-8 文件；此文件声明了其他编码</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>document type declarations are not read</source>
        <extracomment>kDoctype</extracomment>
        <translation>不读取文档类型声明</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the elements are nested too deeply</source>
        <extracomment>kTooDeep</extracomment>
        <translation>元素的嵌套层数过深</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>an element or attribute name was expected here</source>
        <extracomment>kBadName</extracomment>
        <translation>此处应为元素名或属性名</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>an attribute must be written name=&quot;value&quot;</source>
        <extracomment>kBadAttribute</extracomment>
        <translation>属性必须写成 name=&quot;value&quot;</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>a &quot;&lt;&quot; must be written &amp;lt; inside an attribute value</source>
        <extracomment>kLessThanInValue</extracomment>
        <translation>属性值中的 &quot;&lt;&quot; 必须写成 &amp;lt;</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the attribute value is not closed</source>
        <extracomment>kUnclosedValue</extracomment>
        <translation>属性值没有闭合</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>this &amp; starts no known entity or character reference</source>
        <extracomment>kBadReference</extracomment>
        <translation>此 &amp; 不是已知实体引用或字符引用的开头</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>this markup is not closed</source>
        <extracomment>kUnclosedMarkup</extracomment>
        <translation>此标记没有闭合</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>this end tag does not close the element that is open</source>
        <extracomment>kMismatchedEnd</extracomment>
        <translation>此结束标记与当前打开的元素不匹配</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>the file ends before its elements are closed</source>
        <extracomment>kUnclosedElement</extracomment>
        <translation>文件在元素闭合之前就结束了</translation>
    </message>
    <message>
        <location filename="../formats/landxml/landxml.cpp"/>
        <source>there is more after the LandXML element</source>
        <extracomment>kTrailing</extracomment>
        <translation>LandXML 元素之后还有多余内容</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> point(s) had no name label beside them and are named by their place in the drawing.</source>
        <extracomment>kNumbered</extracomment>
        <translation> 个点旁边没有点名标注，已按其在图形中的次序命名。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> feature(s) that are not points were passed over.</source>
        <extracomment>kNotPoints</extracomment>
        <translation> 个不是点的要素已被略过。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> point(s) without both plan coordinates were passed over.</source>
        <extracomment>kNoCoordinates</extracomment>
        <translation> 个点缺少完整的平面坐标，已被略过。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> row(s) lack an easting or a northing, which </source>
        <extracomment>kLeftOut</extracomment>
        <translation> 行缺少东坐标或北坐标，而 </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source> cannot hold: they are left out.</source>
        <extracomment>kLeftOutSuffix</extracomment>
        <translation> 无法容纳这样的行：这些行已略去。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/exchange.cpp"/>
        <source>The file names no units; its values are taken as metres.</source>
        <extracomment>kNoUnits</extracomment>
        <translation>文件未指明单位；其数值按米处理。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> block</source>
        <extracomment>kBlock</extracomment>
        <translation> 个数据块</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> blocks</source>
        <extracomment>kBlocks</extracomment>
        <translation> 个数据块</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> line</source>
        <extracomment>kLine</extracomment>
        <translation> 行</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> lines</source>
        <extracomment>kLines</extracomment>
        <translation> 行</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> without coordinates</source>
        <extracomment>kWithoutCoordinates</extracomment>
        <translation> 因缺少坐标</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> without a point name</source>
        <extracomment>kWithoutName</extracomment>
        <translation> 因缺少点名</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> was skipped</source>
        <extracomment>kWasSkipped</extracomment>
        <translation> 被跳过</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> were skipped</source>
        <extracomment>kWereSkipped</extracomment>
        <translation> 被跳过</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source>Only </source>
        <extracomment>kRowsStopPrefix</extracomment>
        <translation>仅保存了 </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> of </source>
        <extracomment>kRowsStopOf</extracomment>
        <translation> 行（共 </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> rows are saved: row </source>
        <extracomment>kRowsStopRow</extracomment>
        <translation> 行）：第 </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> has no name, and saving stops at the first row without one.</source>
        <extracomment>kRowsStopSuffix</extracomment>
        <translation> 行没有点名，保存在第一个没有点名的行处停止。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> rows after row 9999 are saved without a block number: GSI has four digits for it.</source>
        <extracomment>kBlockNumbersSuffix</extracomment>
        <translation> 行（第 9999 行之后）保存时不带数据块编号：GSI 的数据块编号只有四位。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> coordinate value(s) have more digits than </source>
        <extracomment>kValuesCut</extracomment>
        <translation> 个坐标值的位数超出 </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> holds and keep only their rightmost digits.</source>
        <extracomment>kValuesCutSuffix</extracomment>
        <translation> 所能容纳的位数，只保留了最右边的数字。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> name(s) or code(s) are longer than the </source>
        <extracomment>kTextsCut</extracomment>
        <translation> 个点名或编码的长度超过 </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> characters </source>
        <extracomment>kTextsCutMiddle</extracomment>
        <translation> 个字符，即 </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> holds and keep only their last characters.</source>
        <extracomment>kTextsCutSuffix</extracomment>
        <translation> 所能容纳的长度，只保留了最后的字符。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> row(s) lack an easting or a northing: GSI writes no value for them, and they will not read back as points.</source>
        <extracomment>kNoPlanCoordinates</extracomment>
        <translation> 行缺少东坐标或北坐标：GSI 不为其写入坐标值，读回时它们不会成为点。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> name(s) or code(s) hold </source>
        <extracomment>kUnfitTexts</extracomment>
        <translation> 个点名或编码中含有 </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source>a comma or a double quote</source>
        <extracomment>kKardUnfit</extracomment>
        <translation>逗号或双引号</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source>a comma, a double quote or a blank</source>
        <extracomment>kIdxUnfit</extracomment>
        <translation>逗号、双引号或空格</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source>, which </source>
        <extracomment>kUnfitMiddle</extracomment>
        <translation>，而 </translation>
    </message>
    <message>
        <location filename="../formats/pointlist/notes.h"/>
        <source> cannot hold: those points will not read back as they are.</source>
        <extracomment>kUnfitSuffix</extracomment>
        <translation> 无法容纳这些字符：这些点读回后将与原来不同。</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> computed from measurements</source>
        <extracomment>kComputed</extracomment>
        <translation> 由测量数据计算得出</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> measured before any station block, computed from the origin with instrument height 0</source>
        <extracomment>kFromOrigin</extracomment>
        <translation> 在任何测站数据块之前测量，已按仪器高 0 从原点计算</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> with the instrument's own coordinates</source>
        <extracomment>kAsGiven</extracomment>
        <translation> 采用全站仪自身给出的坐标</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> point</source>
        <extracomment>kPoint</extracomment>
        <translation> 个点</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> points</source>
        <extracomment>kPoints</extracomment>
        <translation> 个点</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> measured block skipped</source>
        <extracomment>kSkippedBlock</extracomment>
        <translation> 个测量数据块被跳过</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source> measured blocks skipped</source>
        <extracomment>kSkippedBlocks</extracomment>
        <translation> 个测量数据块被跳过</translation>
    </message>
    <message>
        <location filename="../formats/pointlist/reduced.cpp"/>
        <source>line </source>
        <extracomment>kLinePrefix</extracomment>
        <translation>行 </translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>row %1: %2</source>
        <extracomment>kRowFault</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>line %1, column %2: %3</source>
        <extracomment>kPlaceFault</extracomment>
        <translation>第 %1 行，第 %2 列：%3</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>the %1 is not a number: %2</source>
        <extracomment>kNotANumberFault</extracomment>
        <translation>%1不是数字: %2</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>easting</source>
        <extracomment>kEastingWord</extracomment>
        <translation>东坐标</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>northing</source>
        <extracomment>kNorthingWord</extracomment>
        <translation>北坐标</translation>
    </message>
    <message>
        <location filename="../formats/points/faults.h"/>
        <source>elevation</source>
        <extracomment>kElevationWord</extracomment>
        <translation>高程</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>a direction but no distance</source>
        <extracomment>kNoDistance</extracomment>
        <translation>有方向但没有距离</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>a distance without its angles</source>
        <extracomment>kNoAngles</extracomment>
        <translation>有距离但没有角度</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>a measurement without a point name (word 11)</source>
        <extracomment>kNoName</extracomment>
        <translation>测量数据没有点名（word 11）</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>its horizontal direction (word 21) cannot be read</source>
        <extracomment>kBadDirection</extracomment>
        <translation>无法读取其水平方向（word 21）</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>its zenith angle (word 22) cannot be read</source>
        <extracomment>kBadZenith</extracomment>
        <translation>无法读取其天顶角（word 22）</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>a station block without a readable easting and northing (84, 85)</source>
        <extracomment>kBadStation</extracomment>
        <translation>测站数据块中没有可读取的东坐标和北坐标（84, 85）</translation>
    </message>
    <message>
        <location filename="../formats/reduce/reduce.cpp"/>
        <source>its station block has no readable easting and northing</source>
        <extracomment>kNoStation</extracomment>
        <translation>其测站数据块中没有可读取的东坐标和北坐标</translation>
    </message>
</context>
</TS>
