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
        <source>None</source>
        <extracomment>kProtocolNone</extracomment>
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
        <source>Code</source>
        <extracomment>kCodeSheetPrefix kCodeTitle</extracomment>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.cpp"/>
        <source>%1: %2; see '%1 --help'</source>
        <extracomment>kUsageProblem</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.cpp"/>
        <source>warning: %1</source>
        <extracomment>kWarning</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.cpp"/>
        <source>%1 takes no value</source>
        <extracomment>kTakesNoValue</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>unknown option '%1'</source>
        <extracomment>kUnknownOption</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>%1 needs a value</source>
        <extracomment>kNeedsValue</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>unexpected '%1'</source>
        <extracomment>kUnexpectedWord</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/command_line.h"/>
        <source>--json is for list</source>
        <extracomment>kJsonIsForList</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>converted %1 point(s) from %2 '%3' to %4 '%5' (precision %6)</source>
        <extracomment>kConverted</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1': not a point list of any kind known here (%2)</source>
        <extracomment>kNoKnownKind</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1': unknown kind of output (name it .gsi16, .gsi8, .dat, .idx, .csv, .geojson, .xml or .dxf, or give --to)</source>
        <extracomment>kUnknownOutputKind</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1': no points found.</source>
        <extracomment>kNoPointsFound</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>reduce reads GSI jobs and writes one file: %1 does not apply</source>
        <extracomment>kReduceDoesNotApply</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>precision must be 0.001, 0.0001 or 0.00001, not '%1'</source>
        <extracomment>kBadPrecision</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>%1 takes %2, not '%3'</source>
        <extracomment>kTakesKinds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>--text-height takes a positive number, not '%1'</source>
        <extracomment>kBadTextHeight</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>--out-dir needs --to KIND</source>
        <extracomment>kOutDirNeedsTo</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>--out-dir converts the FILEs named after it; none is</source>
        <extracomment>kOutDirNoFiles</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>convert takes an INPUT and an OUTPUT file</source>
        <extracomment>kConvertTakes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>cannot make the folder '%1': %2</source>
        <extracomment>kCannotMakeFolder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>'%1' is not converted: '%2' is made from '%3' already</source>
        <extracomment>kMadeAlready</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/convert.cpp"/>
        <source>%1 of %2 file(s) not converted</source>
        <extracomment>kNotConverted</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>convert point lists between GSI, KARD, IDX, CSV, GeoJSON, LandXML and DXF</source>
        <extracomment>kConvertSummary</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>compute points from the measurements of a GSI job</source>
        <extracomment>kReduceSummary</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>list, download, upload and erase the instrument's memory over a COM port</source>
        <extracomment>kStationSummary</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>receive and send over USB or a COM port, and the cable program's conversions</source>
        <extracomment>kCableSummary</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>list the serial ports present by COM name, and name a device COMn</source>
        <extracomment>kPortsSummary</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>list USB instruments and whether you may open them, and allow one</source>
        <extracomment>kUsbSummary</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>usage: harwick [--version] [--help] COMMAND [ARGUMENTS]

The Harwick survey suite's command line: point lists, and the instrument
over its cable.

Commands:
</source>
        <extracomment>kHelpHead</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>
'harwick COMMAND --help' (or 'harwick help COMMAND') gives a command's usage.
Exit status: 0 done, 1 failed (the reason on stderr), 2 a wrong command line.
</source>
        <extracomment>kHelpTail</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>no command '%1'</source>
        <extracomment>kNoCommand</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/harwick.cpp"/>
        <source>unknown command '%1'</source>
        <extracomment>kUnknownCommand</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/listing.h"/>
        <source>not usable: </source>
        <extracomment>kNotUsable</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/listing.h"/>
        <source>ok</source>
        <extracomment>kUsable</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../apps/harwick-cli/traffic.h"/>
        <source>--log FILE writes every chunk that crosses the cable to FILE: milliseconds since
the start, out (to the instrument) or in, the bytes in hex and as text.
</source>
        <extracomment>kLogUsage</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
</context>
</TS>
