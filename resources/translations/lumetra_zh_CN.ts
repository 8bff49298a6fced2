<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>COM port the meter is connected to</source>
        <translation>测试仪所连接的 COM 端口</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>测试仪状态</translation>
    </message>
    <message>
        <source>Whether the port to the meter is connected</source>
        <translation>与测试仪的端口是否已连接</translation>
    </message>
    <message>
        <source>Record list</source>
        <translation>记录列表</translation>
    </message>
    <message>
        <source>Records received from the meter or opened</source>
        <translation>从测试仪接收或已打开的记录</translation>
    </message>
    <message>
        <source>Records received from the meter or opened; the selected one is shown in the test report</source>
        <translation>从测试仪接收或已打开的记录；所选记录显示在测试报告中</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Company name printed on the report</source>
        <translation>打印在报告上的公司名称</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Operator&apos;s name printed on the report</source>
        <translation>打印在报告上的操作员姓名</translation>
    </message>
    <message>
        <source>Test device</source>
        <translation>测试设备</translation>
    </message>
    <message>
        <source>Test device printed on the report</source>
        <translation>打印在报告上的测试设备</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>测试日期</translation>
    </message>
    <message>
        <source>Test date printed on the report</source>
        <translation>打印在报告上的测试日期</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Serial number printed on the report</source>
        <translation>打印在报告上的序列号</translation>
    </message>
    <message>
        <source>Export time</source>
        <translation>导出时间</translation>
    </message>
    <message>
        <source>When the meter exported the record</source>
        <translation>测试仪导出该记录的时间</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>记录编号</translation>
    </message>
    <message>
        <source>The record&apos;s number in the meter</source>
        <translation>该记录在测试仪中的编号</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>极性</translation>
    </message>
    <message>
        <source>Polarity of the MPO cable</source>
        <translation>MPO 光缆的极性</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Note printed on the report</source>
        <translation>打印在报告上的备注</translation>
    </message>
    <message>
        <source>Fibers</source>
        <translation>光纤</translation>
    </message>
    <message>
        <source>Wavelength, power, loss, threshold and verdict of each fiber</source>
        <translation>每根光纤的波长、功率、损耗、阈值和判定</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Shows only the records received on or after the date beside it</source>
        <translation>仅显示在旁边日期当天或之后接收的记录</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>起始日期</translation>
    </message>
    <message>
        <source>First day of the records shown</source>
        <translation>所显示记录的第一天</translation>
    </message>
    <message>
        <source>Shows only the records received on or before the date beside it</source>
        <translation>仅显示在旁边日期当天或之前接收的记录</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>结束日期</translation>
    </message>
    <message>
        <source>Last day of the records shown</source>
        <translation>所显示记录的最后一天</translation>
    </message>
    <message>
        <source>Stored records</source>
        <translation>已存储的记录</translation>
    </message>
    <message>
        <source>Every record received or opened before, newest first</source>
        <translation>以前接收或打开的所有记录，最新的在前</translation>
    </message>
    <message>
        <source>Lists the selected records in the window</source>
        <translation>将所选记录列入窗口</translation>
    </message>
    <message>
        <source>Closes the History window</source>
        <translation>关闭历史记录窗口</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>线缆编号</translation>
    </message>
    <message>
        <source>The label of the trunk the record measured, as its job names it</source>
        <translation>所测主干的标签，与项目中的名称一致</translation>
    </message>
    <message>
        <source>Shows only the records whose company, operator, note, record number or cable ID contain this text</source>
        <translation>只显示公司、操作员、备注、记录编号或线缆编号包含此文本的记录</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Shows only the records of this job</source>
        <translation>只显示此项目的记录</translation>
    </message>
    <message>
        <source>The job shown, of the jobs of the records store</source>
        <translation>显示的项目，来自记录库中的项目</translation>
    </message>
    <message>
        <source>Cable IDs</source>
        <translation>线缆编号</translation>
    </message>
    <message>
        <source>The job&apos;s cable IDs in order, each with its state, record, when it was tested and its smallest margin</source>
        <translation>项目的线缆编号（按顺序），各自带有状态、记录、测试时间和最小余量</translation>
    </message>
    <message>
        <source>Unplanned records</source>
        <translation>计划外记录</translation>
    </message>
    <message>
        <source>Records of the job that arrived when no cable ID was free</source>
        <translation>在没有空闲线缆编号时到达的项目记录</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>The job&apos;s customer</source>
        <translation>项目的客户</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>现场</translation>
    </message>
    <message>
        <source>Where the job is</source>
        <translation>项目所在地</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>承包商</translation>
    </message>
    <message>
        <source>Who does the job</source>
        <translation>项目承包方</translation>
    </message>
    <message>
        <source>A note on the job</source>
        <translation>项目备注</translation>
    </message>
    <message>
        <source>New cable IDs</source>
        <translation>新线缆编号</translation>
    </message>
    <message>
        <source>Cable IDs to add, one a line</source>
        <translation>要添加的线缆编号，每行一个</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Cable IDs to add as a pattern, ranges in braces, for example A{1..4}-B{01..12}</source>
        <translation>以模式添加线缆编号，范围写在花括号中，例如 A{1..4}-B{01..12}</translation>
    </message>
    <message>
        <source>The text set on the records when its box is checked</source>
        <translation>勾选时设置到记录上的文本</translation>
    </message>
    <message>
        <source>Records received from now on take this job&apos;s cable IDs, from the selected one on</source>
        <translation>从现在起接收的记录将从所选编号开始获得此项目的线缆编号</translation>
    </message>
    <message>
        <source>Closes the Jobs window</source>
        <translation>关闭项目窗口</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>标志</translation>
    </message>
    <message>
        <source>The contractor&apos;s logo, shown on page 1 of the job report</source>
        <translation>承包商的标志，显示在项目报告第 1 页</translation>
    </message>
</context>
<context>
    <name>CableIdImport</name>
    <message>
        <source>The file is UTF-16 text cut short in the middle of a character.</source>
        <translation>该文件为 UTF-16 文本，在某个字符中间被截断。</translation>
    </message>
    <message>
        <source>Line %1: a quote opened there is never closed.</source>
        <translation>第 %1 行：此处开始的引号没有闭合。</translation>
    </message>
</context>
<context>
    <name>CableIdList</name>
    <message>
        <source>A cable ID cannot be empty.</source>
        <translation>线缆编号不能为空。</translation>
    </message>
    <message>
        <source>The cable ID %1 is longer than 64 characters.</source>
        <translation>线缆编号 %1 超过 64 个字符。</translation>
    </message>
    <message>
        <source>The cable ID %1 holds a control character.</source>
        <translation>线缆编号 %1 含有控制字符。</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 及其他 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Nothing was added: these cable IDs are listed twice or are already in the job: %1.</source>
        <translation>未添加任何内容：以下线缆编号在列表中重复或已在项目中：%1。</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was added: the job would hold %n cable IDs, and a job holds at most 100,000.</source>
        <translation>
            <numerusform>未添加任何内容：项目将有 %n 个线缆编号，而一个项目最多 100,000 个。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CableIdPattern</name>
    <message>
        <source>The pattern has a } without its {; write }} for a brace in an ID.</source>
        <translation>模式中有 } 没有对应的 {；编号中的花括号请写作 }}。</translation>
    </message>
    <message>
        <source>The pattern has a { without its }; write {{ for a brace in an ID.</source>
        <translation>模式中有 { 没有对应的 }；编号中的花括号请写作 {{。</translation>
    </message>
    <message>
        <source>{%1} is not a range: write one as {1..24}, {01..24}, {12..1} or {A..H}.</source>
        <translation>{%1} 不是范围：范围请写作 {1..24}、{01..24}、{12..1} 或 {A..H}。</translation>
    </message>
    <message>
        <source>The pattern makes more than 10,000 cable IDs, the most one pattern may make.</source>
        <translation>该模式生成超过 10,000 个线缆编号，超出单个模式的上限。</translation>
    </message>
</context>
<context>
    <name>CertificationReport</name>
    <message>
        <source>Certification Report</source>
        <translation>认证报告</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>无法生成 PDF</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Loss per fiber (dB)</source>
        <translation>各光纤损耗 (dB)</translation>
    </message>
    <message>
        <source>threshold %1 dB</source>
        <translation>阈值 %1 dB</translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation>光纤</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>波长 (nm)</translation>
    </message>
    <message>
        <source>Power (dBm)</source>
        <translation>功率 (dBm)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>损耗 (dB)</translation>
    </message>
    <message>
        <source>Threshold (dB)</source>
        <translation>阈值 (dB)</translation>
    </message>
    <message>
        <source>Margin (dB)</source>
        <translation>余量 (dB)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>记录 %1</translation>
    </message>
    <message>
        <source>PASS %1, FAIL %2, --- %3</source>
        <translation>PASS %1，FAIL %2，--- %3</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Test device</source>
        <translation>测试设备</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>测试日期</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Export time</source>
        <translation>导出时间</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>极性</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>波长</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Worst loss (dB)</source>
        <translation>最大损耗 (dB)</translation>
    </message>
    <message>
        <source>Smallest margin (dB)</source>
        <translation>最小余量 (dB)</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>未通过</translation>
    </message>
    <message>
        <source>Overall verdict</source>
        <translation>总体判定</translation>
    </message>
    <message>
        <source>no fiber has a verdict</source>
        <translation>没有光纤得出判定</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Export times</source>
        <translation>导出时间</translation>
    </message>
    <message>
        <source>%1 dB, record %2, fiber %3</source>
        <translation>%1 dB，记录 %2，光纤 %3</translation>
    </message>
    <message>
        <source>Smallest margin</source>
        <translation>最小余量</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>记录数</translation>
    </message>
    <message>
        <source>Fibers</source>
        <translation>光纤数</translation>
    </message>
    <message>
        <source>Record %1 (continued)</source>
        <translation>记录 %1（续）</translation>
    </message>
    <message>
        <source>No reading</source>
        <translation>无读数</translation>
    </message>
    <message>
        <source>A fiber without a reading has no margin; its verdict is counted as the window shows it.</source>
        <translation>无读数的光纤没有余量；其判定按窗口中的显示计入。</translation>
    </message>
    <message>
        <source>IDs planned</source>
        <translation>计划编号</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>已测试</translation>
    </message>
    <message>
        <source>No verdict</source>
        <translation>无判定</translation>
    </message>
    <message>
        <source>Not tested</source>
        <translation>未测试</translation>
    </message>
    <message>
        <source>Retested</source>
        <translation>已复测</translation>
    </message>
    <message>
        <source>Unplanned records</source>
        <translation>计划外记录</translation>
    </message>
    <message>
        <source>Suspect IDs</source>
        <translation>可疑编号</translation>
    </message>
    <message>
        <source>Job verdict</source>
        <translation>项目判定</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>现场</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>承包商</translation>
    </message>
    <message>
        <source>First test</source>
        <translation>首次测试</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>最后测试</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Test devices</source>
        <translation>测试设备</translation>
    </message>
    <message>
        <source>%1 dB, %2, fiber %3</source>
        <translation>%1 dB，%2，光纤 %3</translation>
    </message>
    <message>
        <source>Suspect readings are advice, and the verdicts stand as measured: the table of cable IDs names them, and each ID&apos;s section says more.</source>
        <translation>可疑读数仅为提示，判定以测量结果为准：线缆编号表列出了它们，各编号的章节有详细说明。</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>线缆编号</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>接收时间</translation>
    </message>
    <message>
        <source>Largest loss (dB)</source>
        <translation>最大损耗 (dB)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Cable IDs</source>
        <translation>线缆编号</translation>
    </message>
    <message>
        <source>Superseded tests</source>
        <translation>已被取代的测试</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>未测试</translation>
    </message>
    <message>
        <source>Job Report</source>
        <translation>项目报告</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>%1 (serial number %2)</source>
        <translation>%1（序列号 %2）</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>the latest test of every planned cable ID passes</source>
        <translation>每个计划线缆编号的最新测试均通过</translation>
    </message>
    <message>
        <source>the latest test of a planned cable ID fails</source>
        <translation>有计划线缆编号的最新测试未通过</translation>
    </message>
    <message>
        <source>the job has no cable IDs</source>
        <translation>该项目没有线缆编号</translation>
    </message>
    <message>
        <source>planned cable IDs are not tested</source>
        <translation>有计划线缆编号未测试</translation>
    </message>
    <message>
        <source>a latest test has no verdict</source>
        <translation>有最新测试没有判定</translation>
    </message>
    <message numerus="yes">
        <source>retested ×%n</source>
        <translation>
            <numerusform>已复测 ×%n</numerusform>
        </translation>
    </message>
    <message>
        <source>marked for a retest</source>
        <translation>待复测</translation>
    </message>
    <message>
        <source>Trunks</source>
        <translation>主干</translation>
    </message>
    <message>
        <source>unplanned record</source>
        <translation>计划外记录</translation>
    </message>
    <message>
        <source>no temporary file could be made in %1</source>
        <translation>无法在 %1 中创建临时文件</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>无法创建工作簿</translation>
    </message>
    <message>
        <source>Suspect readings in record %1 (marked !): see its section. The verdicts stand as measured.</source>
        <translation>记录 %1 中有可疑读数（标有 !）：请看其章节。判定以测量结果为准。</translation>
    </message>
    <message>
        <source>Suspect readings in records %1 (marked !): see their sections. The verdicts stand as measured.</source>
        <translation>记录 %1 中有可疑读数（标有 !）：请看其章节。判定以测量结果为准。</translation>
    </message>
    <message>
        <source>Fiber %1: %2</source>
        <translation>光纤 %1：%2</translation>
    </message>
    <message>
        <source>Fibers %1: %2</source>
        <translation>光纤 %1：%2</translation>
    </message>
    <message>
        <source>Negative loss, fiber %1</source>
        <translation>负损耗，光纤 %1</translation>
    </message>
    <message numerus="yes">
        <source>Negative loss, %n fibers</source>
        <translation>
            <numerusform>负损耗，%n 根光纤</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n fibers with a verdict pass</source>
        <translation>
            <numerusform>%n 根有判定的光纤中 %1 根通过</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CertificationSummary</name>
    <message>
        <source>several</source>
        <translation>多个</translation>
    </message>
</context>
<context>
    <name>ConfigRun</name>
    <message>
        <source>Device Status</source>
        <translation>测试仪状态</translation>
    </message>
    <message>
        <source>Record List</source>
        <translation>记录列表</translation>
    </message>
    <message>
        <source>  Device Status : </source>
        <translation>  测试仪状态：</translation>
    </message>
    <message>
        <source>  MPO Port COM : </source>
        <translation>  MPO COM 端口：</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>CONNECTED</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>DISCONNECTED</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Please Connect the Cable and Select a Port for Communication</source>
        <translation>请连接测试仪数据线并选择用于通信的端口。</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Company, operator, note, record number...</source>
        <translation>公司、操作员、备注、记录编号……</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>从：</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>到：</translation>
    </message>
    <message>
        <source>The newest %L1 records that match are shown: narrow the search or the dates to find older ones.</source>
        <translation>仅显示最新的 %L1 条匹配记录：请缩小搜索范围或日期以查找更早的记录。</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>搜索：</translation>
    </message>
    <message>
        <source>The records store cannot be read: %1</source>
        <translation>无法读取记录库：%1</translation>
    </message>
    <message>
        <source>Reading the records store…</source>
        <translation>正在读取记录库…</translation>
    </message>
    <message>
        <source>All jobs</source>
        <translation>所有项目</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>项目：</translation>
    </message>
</context>
<context>
    <name>IODeviceLinux</name>
    <message>
        <source>No permission to open %1: join the group %2 (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>无权打开 %1：请加入 %2 组（sudo usermod -aG %2 $USER），然后重新登录。</translation>
    </message>
</context>
<context>
    <name>JobFacts</name>
    <message>
        <source>A job needs a name.</source>
        <translation>项目需要名称。</translation>
    </message>
    <message>
        <source>A job&apos;s name is at most 200 characters long.</source>
        <translation>项目名称最多 200 个字符。</translation>
    </message>
    <message>
        <source>A job&apos;s name cannot hold a control character.</source>
        <translation>项目名称不能含有控制字符。</translation>
    </message>
</context>
<context>
    <name>JobLogo</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MB: choose a smaller logo.</source>
        <translation>%1 大于 1 MB：请选择较小的徽标。</translation>
    </message>
    <message>
        <source>the logo is larger than 1 MB</source>
        <translation>徽标大于 1 MB</translation>
    </message>
    <message>
        <source>this is not a PNG or JPEG picture</source>
        <translation>这不是 PNG 或 JPEG 图片</translation>
    </message>
    <message>
        <source>the picture is larger than 4096 × 4096 pixels</source>
        <translation>图片大于 4096 × 4096 像素</translation>
    </message>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>图片已损坏：%1</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message numerus="yes">
        <source>%1 of %n tested</source>
        <translation>
            <numerusform>%n 个中已测试 %1 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n PASS</source>
        <translation>
            <numerusform>%n 个 PASS</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n FAIL</source>
        <translation>
            <numerusform>%n 个 FAIL</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n untested</source>
        <translation>
            <numerusform>%n 个未测试</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a verdict</source>
        <translation>
            <numerusform>%n 个无判定</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked for a retest</source>
        <translation>
            <numerusform>%n 个待复测</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unplanned</source>
        <translation>
            <numerusform>%n 个计划外</numerusform>
        </translation>
    </message>
    <message>
        <source>untested</source>
        <translation>未测试</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>无判定</translation>
    </message>
</context>
<context>
    <name>JobStatusModel</name>
    <message>
        <source>Cable ID</source>
        <translation>线缆编号</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录编号</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>测试时间</translation>
    </message>
    <message>
        <source>Smallest Margin</source>
        <translation>最小余量</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>记录数</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>接收时间</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>retested</source>
        <translation>已复测</translation>
    </message>
    <message>
        <source>retest marked</source>
        <translation>待复测</translation>
    </message>
</context>
<context>
    <name>JobsWindow</name>
    <message>
        <source>Jobs</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>&amp;New Job...</source>
        <translation>新建项目(&amp;N)...</translation>
    </message>
    <message>
        <source>Make &amp;Active</source>
        <translation>设为活动(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Deactivate</source>
        <translation>停用(&amp;D)</translation>
    </message>
    <message>
        <source>Working on the records store…</source>
        <translation>正在处理记录库…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Job</source>
        <translation>项目(&amp;J)</translation>
    </message>
    <message>
        <source>Add &amp;IDs</source>
        <translation>添加编号(&amp;I)</translation>
    </message>
    <message>
        <source>Header &amp;Texts</source>
        <translation>表头文本(&amp;T)</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>项目：</translation>
    </message>
    <message>
        <source>Unplanned records:</source>
        <translation>计划外记录：</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>重命名(&amp;R)...</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>移除(&amp;M)</translation>
    </message>
    <message>
        <source>Mark for Re&amp;test</source>
        <translation>标记复测(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;lear Retest Mark</source>
        <translation>清除复测标记(&amp;L)</translation>
    </message>
    <message>
        <source>Move Record t&amp;o...</source>
        <translation>移动记录至(&amp;O)...</translation>
    </message>
    <message>
        <source>Take &amp;Back Record</source>
        <translation>撤回记录(&amp;B)</translation>
    </message>
    <message>
        <source>Assign &amp;Cable ID...</source>
        <translation>分配线缆编号(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Save Facts</source>
        <translation>保存信息(&amp;S)</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>客户：</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>现场：</translation>
    </message>
    <message>
        <source>Contractor:</source>
        <translation>承包商：</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>One cable ID a line, typed or pasted</source>
        <translation>每行一个线缆编号，可键入或粘贴</translation>
    </message>
    <message>
        <source>Add at &amp;End</source>
        <translation>添加到末尾(&amp;E)</translation>
    </message>
    <message>
        <source>I&amp;nsert Before Selected</source>
        <translation>插入到所选之前(&amp;N)</translation>
    </message>
    <message>
        <source>Add from &amp;Pattern</source>
        <translation>按模式添加(&amp;P)</translation>
    </message>
    <message>
        <source>Import from &amp;File...</source>
        <translation>从文件导入(&amp;F)...</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>模式：</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>公司：</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>操作员：</translation>
    </message>
    <message>
        <source>Test Device:</source>
        <translation>测试设备：</translation>
    </message>
    <message>
        <source>Test Date:</source>
        <translation>测试日期：</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Set on &amp;All Records</source>
        <translation>设置到所有记录(&amp;A)</translation>
    </message>
    <message>
        <source>Set on C&amp;hosen Records</source>
        <translation>设置到所选记录(&amp;H)</translation>
    </message>
    <message>
        <source>The checked texts are set on every record of the job, or on the records of the selected cable IDs and unplanned records; each record changed gets a new version.</source>
        <translation>勾选的文本将设置到项目的所有记录，或所选线缆编号及计划外记录的记录上；每条更改的记录都会得到一个新版本。</translation>
    </message>
    <message>
        <source>No job is active: records arrive without cable IDs.</source>
        <translation>没有活动项目：记录到达时没有线缆编号。</translation>
    </message>
    <message>
        <source>Active job: %1</source>
        <translation>活动项目：%1</translation>
    </message>
    <message>
        <source>Active job: %1, from %2</source>
        <translation>活动项目：%1，从 %2 开始</translation>
    </message>
    <message>
        <source>The records store cannot be read: %1</source>
        <translation>无法读取记录库：%1</translation>
    </message>
    <message>
        <source>The job cannot be read: %1</source>
        <translation>无法读取项目：%1</translation>
    </message>
    <message>
        <source>The job could not be changed: %1</source>
        <translation>无法更改项目：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n records of job %1 have the new texts.</source>
        <translation>
            <numerusform>项目 %1 的 %n 条记录已有新文本。</numerusform>
        </translation>
    </message>
    <message>
        <source>New Job</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>Name of the job:</source>
        <translation>项目名称：</translation>
    </message>
    <message>
        <source>Import Cable IDs</source>
        <translation>导入线缆编号</translation>
    </message>
    <message>
        <source>Lists of cable IDs (*.txt *.csv *.tsv);;All Files (*)</source>
        <translation>线缆编号列表 (*.txt *.csv *.tsv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>the file is larger than any list of cable IDs</source>
        <translation>文件比任何线缆编号列表都大</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>无法导入 %1：
%2</translation>
    </message>
    <message>
        <source>Rename Cable ID</source>
        <translation>重命名线缆编号</translation>
    </message>
    <message>
        <source>New cable ID for %1 (its records follow):</source>
        <translation>%1 的新线缆编号（其记录随之更改）：</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n cable IDs from job %1?</source>
        <translation>
            <numerusform>从项目 %1 中移除 %n 个线缆编号？</numerusform>
        </translation>
    </message>
    <message>
        <source>Job %1 has no cable ID without a record.</source>
        <translation>项目 %1 没有尚无记录的线缆编号。</translation>
    </message>
    <message>
        <source>Cable ID without a record:</source>
        <translation>尚无记录的线缆编号：</translation>
    </message>
    <message>
        <source>Cable ID (a tested one takes the record as its retest):</source>
        <translation>线缆编号（已测试的编号将把该记录作为复测）：</translation>
    </message>
    <message>
        <source>Move Record</source>
        <translation>移动记录</translation>
    </message>
    <message>
        <source>Assign Cable ID</source>
        <translation>分配线缆编号</translation>
    </message>
    <message>
        <source>Choose Lo&amp;go...</source>
        <translation>选择标志(&amp;G)...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Logo</source>
        <translation>移除标志(&amp;V)</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>标志：</translation>
    </message>
    <message>
        <source>Choose the Contractor&apos;s Logo</source>
        <translation>选择承包商的标志</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>图片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The logo is not taken: %1</source>
        <translation>未采用该标志：%1</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>无标志</translation>
    </message>
    <message>
        <source>Size in pixels: %1</source>
        <translation>尺寸（像素）：%1</translation>
    </message>
</context>
<context>
    <name>ListOfUID</name>
    <message>
        <source>Test Report</source>
        <translation>测试报告</translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>公司：</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>操作员：</translation>
    </message>
    <message>
        <source>Test Device: </source>
        <translation>测试设备：</translation>
    </message>
    <message>
        <source>Test Date: </source>
        <translation>测试日期：</translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Export Time: </source>
        <translation>导出时间：</translation>
    </message>
    <message>
        <source>Record: </source>
        <translation>记录：</translation>
    </message>
    <message>
        <source>Polarity: </source>
        <translation>极性：</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>FIBER #</source>
        <translation>光纤 #</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>波长</translation>
    </message>
    <message>
        <source>P/F Val(dB)</source>
        <translation>阈值 (dB)</translation>
    </message>
    <message>
        <source>Pass/Fail</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Cable ID:</source>
        <translation>线缆编号：</translation>
    </message>
    <message>
        <source>ID pending</source>
        <translation>编号待定</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavolin Lumetra</source>
        <translation>Tavolin Lumetra</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>生成(&amp;G)</translation>
    </message>
    <message>
        <source>Generate a report</source>
        <translation>生成测试报告</translation>
    </message>
    <message>
        <source>&amp;Generate All</source>
        <translation>全部生成(&amp;A)</translation>
    </message>
    <message>
        <source>Generate all reports</source>
        <translation>生成所有测试报告</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing record</source>
        <translation>打开已有存档</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Save record to disk</source>
        <translation>将记录保存为存档</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除(&amp;A)</translation>
    </message>
    <message>
        <source>Clear the list of Record</source>
        <translation>清空记录列表</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>清除所选(&amp;S)</translation>
    </message>
    <message>
        <source>Clear the current Record</source>
        <translation>清除当前记录</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>显示程序信息</translation>
    </message>
    <message>
        <source>&amp;Usage</source>
        <translation>使用说明(&amp;U)</translation>
    </message>
    <message>
        <source>Help User with Lumetra</source>
        <translation>Lumetra 使用说明</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>历史记录(&amp;H)...</translation>
    </message>
    <message>
        <source>Find and open every record received or opened before</source>
        <translation>查找并打开以前接收或打开的记录</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>记录(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>报告(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <translation>测试仪连接</translation>
    </message>
    <message>
        <source>MPO Device Connection and Status</source>
        <translation>MPO 测试仪连接和状态</translation>
    </message>
    <message>
        <source>Test Report</source>
        <translation>测试报告</translation>
    </message>
    <message>
        <source>Test Report main window</source>
        <translation>所选记录的测试报告</translation>
    </message>
    <message>
        <source>Create a Dialog window</source>
        <translation>测试报告</translation>
    </message>
    <message>
        <source>A Directory have to be selected</source>
        <translation>必须选择一个文件夹。</translation>
    </message>
    <message>
        <source>Version %1 (make sure latest version displays)&lt;br&gt;Version Date: %2&lt;br&gt;</source>
        <translation>版本 %1（请确认为最新版本）&lt;br&gt;版本日期：%2&lt;br&gt;</translation>
    </message>
    <message>
        <source>Support: support@tavolin.example, telephone +1 555 0100 or +1 555 0199</source>
        <translation>技术支持：support@tavolin.example，电话 +1 555 0100 或 +1 555 0199</translation>
    </message>
    <message>
        <source>About Lumetra</source>
        <translation>关于 Lumetra</translation>
    </message>
    <message>
        <source>Lumetra Usage</source>
        <translation>Lumetra 使用说明</translation>
    </message>
    <message>
        <source>To download software test report:&lt;br&gt;&lt;dd&gt;- Turn on MPO Power Meter&lt;dd&gt;- Attach MPO cable from computer to MPO Power Meter&lt;dd&gt;- In Software - Select appropriate Com Port(ex Com 2)&lt;dd&gt;- To export file select File &lt;i&gt;(F2)&lt;/i&gt;, Recall &lt;i&gt;(F2)&lt;/i&gt; and Export &lt;i&gt;(F2)&lt;/i&gt;&lt;dd&gt;- Select Single File, Range of Files or All Files, By pressing Select &lt;i&gt;(F1)&lt;/i&gt;. Use vertical and horizontal arrows to select range&lt;dd&gt;- Press Export &lt;i&gt;(F1)&lt;/i&gt; to dump file(s) to computer</source>
        <translation>从测试仪下载记录：&lt;br&gt;&lt;dd&gt;- 打开 MPO 测试仪&lt;dd&gt;- 用测试仪数据线连接计算机和测试仪&lt;dd&gt;- 在 Lumetra 中选择相应的 COM 端口（例如 COM 2）&lt;dd&gt;- 在测试仪上依次选择 File &lt;i&gt;(F2)&lt;/i&gt;、Recall &lt;i&gt;(F2)&lt;/i&gt; 和 Export &lt;i&gt;(F2)&lt;/i&gt; 进行导出&lt;dd&gt;- 按 Select &lt;i&gt;(F1)&lt;/i&gt; 选择单条、一段或全部记录；用上下左右方向键选择范围&lt;dd&gt;- 按 Export &lt;i&gt;(F1)&lt;/i&gt; 将记录发送到计算机</translation>
    </message>
    <message>
        <source> No Records to Save! </source>
        <translation>没有可保存的记录。</translation>
    </message>
    <message>
        <source>Save Records</source>
        <translation>保存记录</translation>
    </message>
    <message>
        <source>MRF Files(*.mrf)</source>
        <translation>MRF 存档 (*.mrf)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>无法写入文件 %1：
%2。</translation>
    </message>
    <message>
        <source>Open Records</source>
        <translation>打开记录</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>正在打开 %1……</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>无法读取文件 %1：
%2。</translation>
    </message>
    <message>
        <source>File Format Not Valid</source>
        <translation>文件格式无效</translation>
    </message>
    <message>
        <source>&amp;Certification Report...</source>
        <translation>认证报告(&amp;C)...</translation>
    </message>
    <message>
        <source>Write a certification report of all records</source>
        <translation>生成所有记录的认证报告</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>导出 CSV(&amp;C)...</translation>
    </message>
    <message>
        <source>Write all records to a CSV file for spreadsheets</source>
        <translation>将所有记录写入 CSV 文件，供电子表格使用</translation>
    </message>
    <message>
        <source>Select output file</source>
        <translation>选择输出文件</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>No Records to Report!</source>
        <translation>没有可生成报告的记录。</translation>
    </message>
    <message>
        <source>Writing the certification report...</source>
        <translation>正在写入认证报告……</translation>
    </message>
    <message>
        <source>CSV Files(*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>No Records to Export!</source>
        <translation>没有可导出的记录。</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>正在写入 %1……</translation>
    </message>
    <message>
        <source>Communication PROBLEM</source>
        <translation>通信故障</translation>
    </message>
    <message>
        <source>No Valid Port Com Found : Please connect The MPO cable first - EXIT</source>
        <translation>未找到有效的 COM 端口：请先连接测试仪数据线。</translation>
    </message>
    <message>
        <source>Bad Port Number : EXIT %1</source>
        <translation>端口无效：退出 %1</translation>
    </message>
    <message>
        <source>Bad Port Number : DISCONNECTED</source>
        <translation>端口无效：未连接</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>&lt;b&gt;Data may be corrupted&lt;/b&gt; - Problem with MPO Power Meter Version -&lt;br&gt;                                                        Please Verify MPO Power Meter Version.&lt;br&gt;                                                     The supported version are &lt;b&gt;%1&lt;/b&gt; or Higher</source>
        <translation>&lt;b&gt;数据可能已损坏&lt;/b&gt; — MPO 测试仪版本有问题&lt;br&gt;请检查 MPO 测试仪的版本。&lt;br&gt;支持的版本为 &lt;b&gt;%1&lt;/b&gt; 或更高。</translation>
    </message>
    <message>
        <source>All_%1</source>
        <translation>全部_%1</translation>
    </message>
    <message>
        <source>Capturing the reports...</source>
        <translation>正在截取测试报告……</translation>
    </message>
    <message>
        <source>Writing the PDF...</source>
        <translation>正在写入 PDF……</translation>
    </message>
    <message>
        <source>Records are not being kept: %1</source>
        <translation>记录未被保存：%1</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>Open one of the last archives opened or saved</source>
        <translation>打开最近打开或保存的存档之一</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除列表</translation>
    </message>
    <message>
        <source>Forget the archives listed here; the files stay</source>
        <translation>清除此处列出的存档；文件本身保留</translation>
    </message>
    <message>
        <source>The chosen records could not be opened: %1</source>
        <translation>无法打开所选记录：%1</translation>
    </message>
    <message numerus="yes">
        <source>Receiving: %n records</source>
        <translation>
            <numerusform>正在接收：%n 条记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last session ended with %n records that were not saved to an archive. Show them again?</source>
        <translation>
            <numerusform>上次会话结束时有 %n 条记录未保存到存档。是否重新显示？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 chosen records could not be opened: their data in the records store is damaged.</source>
        <translation>
            <numerusform>所选 %1 条记录中有 %n 条无法打开：其在记录库中的数据已损坏。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Storing %Ln records…</source>
        <translation>
            <numerusform>正在存储 %Ln 条记录…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln records kept</source>
        <translation>
            <numerusform>已保存 %Ln 条记录</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Jobs...</source>
        <translation>项目(&amp;J)...</translation>
    </message>
    <message>
        <source>Plan the cable IDs of a job and see which are tested</source>
        <translation>规划项目的线缆编号并查看哪些已测试</translation>
    </message>
    <message numerus="yes">
        <source>The archive carries the cable IDs of job %1 only: %n records of other jobs are saved without theirs.</source>
        <translation>
            <numerusform>存档仅包含项目 %1 的线缆编号：其他项目的 %n 条记录保存时不带其编号。</numerusform>
        </translation>
    </message>
    <message>
        <source>The archive&apos;s job could not be read; its records are opened without their cable IDs.</source>
        <translation>无法读取存档中的项目；其记录将不带线缆编号打开。</translation>
    </message>
    <message>
        <source>&amp;Assign Cable ID...</source>
        <translation>分配线缆编号(&amp;A)...</translation>
    </message>
    <message>
        <source>Give the selected record a cable ID of its job</source>
        <translation>为所选记录分配其项目的线缆编号</translation>
    </message>
    <message>
        <source>&amp;Take Back Cable ID</source>
        <translation>撤回线缆编号(&amp;T)</translation>
    </message>
    <message>
        <source>Keep the selected record in its job without its cable ID</source>
        <translation>将所选记录保留在其项目中，但不带线缆编号</translation>
    </message>
    <message>
        <source>The cable ID could not be changed: %1</source>
        <translation>无法更改线缆编号：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n records arrived unplanned: job %1 has no cable ID left without a record</source>
        <translation>
            <numerusform>%n 条记录为计划外到达：项目 %1 已没有尚无记录的线缆编号</numerusform>
        </translation>
    </message>
    <message>
        <source>The job %1 is not in the records store: records arrive without cable IDs</source>
        <translation>项目 %1 不在记录库中：记录到达时没有线缆编号</translation>
    </message>
    <message>
        <source>Job: %1</source>
        <translation>项目：%1</translation>
    </message>
    <message>
        <source>Records received take the cable IDs of job %1</source>
        <translation>接收的记录将获得项目 %1 的线缆编号</translation>
    </message>
    <message>
        <source>Records received take the cable IDs of job %1, from %2</source>
        <translation>接收的记录将获得项目 %1 的线缆编号，从 %2 开始</translation>
    </message>
    <message>
        <source>ID pending</source>
        <translation>编号待定</translation>
    </message>
    <message>
        <source>The job cannot be read: %1</source>
        <translation>无法读取项目：%1</translation>
    </message>
    <message>
        <source>Assign Cable ID</source>
        <translation>分配线缆编号</translation>
    </message>
    <message>
        <source>Cable ID of job %1 for record %2 (a tested one takes it as its retest):</source>
        <translation>项目 %1 中用于记录 %2 的线缆编号（已测试的编号将把它作为复测）：</translation>
    </message>
    <message>
        <source>&amp;Job Report...</source>
        <translation>项目报告(&amp;J)...</translation>
    </message>
    <message>
        <source>Job &amp;Workbook...</source>
        <translation>项目工作簿(&amp;W)...</translation>
    </message>
    <message>
        <source>Make a job active in Records &gt; Jobs first</source>
        <translation>请先在“记录 &gt; 项目”中激活一个项目</translation>
    </message>
    <message>
        <source>Write the report of the active job for its customer</source>
        <translation>为客户写入当前项目的报告</translation>
    </message>
    <message>
        <source>Write the figures of the active job to an Excel workbook</source>
        <translation>将当前项目的数据写入 Excel 工作簿</translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>%1 is a record archive; it is not overwritten. Choose another file.</source>
        <translation>%1 是存档，不会被覆盖。请选择其他文件。</translation>
    </message>
    <message>
        <source>Writing the job report...</source>
        <translation>正在写入项目报告……</translation>
    </message>
    <message>
        <source>Writing the job workbook...</source>
        <translation>正在写入项目工作簿……</translation>
    </message>
    <message>
        <source>The workbook %1 is written.</source>
        <translation>工作簿 %1 已写入。</translation>
    </message>
    <message numerus="yes">
        <source>%n header texts were cut to the 32,767 characters a cell holds.</source>
        <translation>
            <numerusform>%n 个表头文本被截断为单元格可容纳的 32,767 个字符。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>RecordHistoryModel</name>
    <message>
        <source>Key</source>
        <translation>键</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>接收时间</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录编号</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>波长</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>线缆编号</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>; records are held in memory only, until the store can take them</source>
        <translation>；在记录库可以接收之前，记录仅保存在内存中</translation>
    </message>
</context>
<context>
    <name>RecordListDelegate</name>
    <message>
        <source>ID pending</source>
        <translation>编号待定</translation>
    </message>
</context>
<context>
    <name>RecordVerdict</name>
    <message>
        <source>No reading</source>
        <translation>无读数</translation>
    </message>
    <message numerus="yes">
        <source>FAIL: fibers %1</source>
        <translation>
            <numerusform>FAIL：光纤 %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoreUpgradeProgress</name>
    <message>
        <source>Upgrading the records store: building its search index…</source>
        <translation>正在升级记录库：正在建立搜索索引…</translation>
    </message>
</context>
<context>
    <name>SuspectReading</name>
    <message>
        <source>Negative loss: set the reference again and retest</source>
        <translation>负损耗：请重新设置参考值并复测</translation>
    </message>
    <message>
        <source>Same readings as record %1</source>
        <translation>读数与记录 %1 相同</translation>
    </message>
</context>
</TS>
