<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Tolvera</name>
    <message>
        <source>mm</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>NEC-2 model (nec2c) in free space, copper tube centre lines, tube %1 mm, %2 segments; no ground, mast or coax</source>
        <translation>NEC-2 模型（nec2c），自由空间，铜管中心线，管径 %1 毫米，%2 段；未计地面、桅杆和电缆</translation>
    </message>
    <message>
        <source>SWR at %1 MHz %2, Z = %3 ohm</source>
        <translation>%1 MHz 处驻波比 %2，阻抗 %3 欧</translation>
    </message>
    <message>
        <source>lowest SWR %1 at %2 MHz</source>
        <translation>最低驻波比 %1，在 %2 MHz</translation>
    </message>
    <message>
        <source> (at the sweep&apos;s edge: the lowest lies beyond)</source>
        <translation>（扫频边缘，真正的最低点在范围之外）</translation>
    </message>
    <message>
        <source>SWR &lt;= 2 from %1 to %2 MHz</source>
        <translation>驻波比 ≤ 2：%1 – %2 MHz</translation>
    </message>
    <message>
        <source> (to the sweep&apos;s edge)</source>
        <translation>（到扫频边缘）</translation>
    </message>
    <message>
        <source>SWR &lt;= 2 nowhere in the sweep</source>
        <translation>驻波比 ≤ 2：扫频范围内没有</translation>
    </message>
    <message>
        <source>free-space gain %1 dBi (%2 dBi at the horizon)</source>
        <translation>自由空间增益 %1 dBi（水平方向 %2 dBi）</translation>
    </message>
    <message>
        <source>trim: 10 mm off A (and B in proportion) raises the resonance by %1</source>
        <translation>修剪：A 每剪短 10 毫米（B 按比例剪短），谐振频率升高 %1</translation>
    </message>
    <message>
        <source>corrected for the tube (the formula&apos;s in brackets):</source>
        <translation>按管径修正（括号内为公式值）：</translation>
    </message>
    <message>
        <source>%1  %2 mm  (%3)</source>
        <translation>%1  %2 毫米（%3）</translation>
    </message>
    <message>
        <source>prediction done, %1, %2, corrected for the tube A %3 mm, B %4 mm, C %5 mm</source>
        <translation>预测完成，%1，%2，按管径修正 A %3 毫米，B %4 毫米，C %5 毫米</translation>
    </message>
    <message>
        <source>measured %1: lowest SWR %2 at %3 MHz</source>
        <translation>实测 %1：最低驻波比 %2，在 %3 MHz</translation>
    </message>
    <message>
        <source> (at the sweep&apos;s edge: sweep wider)</source>
        <translation>（扫频边缘：请扩大扫频范围）</translation>
    </message>
    <message>
        <source>measured SWR &lt;= 2 from %1 to %2 MHz</source>
        <translation>实测驻波比 ≤ 2：%1 – %2 MHz</translation>
    </message>
    <message>
        <source>measured SWR &lt;= 2 nowhere</source>
        <translation>实测驻波比 ≤ 2：没有</translation>
    </message>
    <message>
        <source>measured Z at the lowest SWR: %1 ohm</source>
        <translation>实测最低驻波比处阻抗 %1 欧</translation>
    </message>
    <message>
        <source>to reach %1 MHz: %2</source>
        <translation>剪切建议（目标 %1 MHz）：%2</translation>
    </message>
    <message>
        <source>what to cut: once the prediction is in</source>
        <translation>剪切建议：等性能预测完成后给出</translation>
    </message>
    <message>
        <source>it resonates on the target: nothing to cut</source>
        <translation>谐振已在目标频率上，无需修剪</translation>
    </message>
    <message>
        <source>cut about %1 mm off A and %1 mm off B</source>
        <translation>A、B 各剪短约 %1 毫米</translation>
    </message>
    <message>
        <source>cut about %1 mm off A and %2 mm off B</source>
        <translation>A 剪短约 %1 毫米，B 剪短约 %2 毫米</translation>
    </message>
    <message>
        <source>add about %1 mm to A and %1 mm to B</source>
        <translation>A、B 各加长约 %1 毫米</translation>
    </message>
    <message>
        <source>add about %1 mm to A and %2 mm to B</source>
        <translation>A 加长约 %1 毫米，B 加长约 %2 毫米</translation>
    </message>
    <message>
        <source>cannot model it: the frequency must be positive</source>
        <translation>无法建模：频率必须是正数</translation>
    </message>
    <message>
        <source>the tube diameter must be a number above 0 (mm)</source>
        <translation>管径必须是大于 0 的数（毫米）</translation>
    </message>
    <message>
        <source>cannot model it: the lengths must satisfy 0 &lt; C &lt; B &lt; A and D &gt; 0</source>
        <translation>无法建模：尺寸须满足 0 &lt; C &lt; B &lt; A，且 D &gt; 0</translation>
    </message>
    <message>
        <source>cannot model it: the model covers %1 to %2 MHz only</source>
        <translation>无法建模：模型只计算 %1 至 %2 MHz 之间的频率</translation>
    </message>
    <message>
        <source>nec2c.exe is missing: it belongs beside tolvera.exe; install Tolvera again</source>
        <translation>找不到 nec2c.exe：它应在 tolvera.exe 旁边，请重新安装 Tolvera</translation>
    </message>
    <message>
        <source>nec2c is missing: install the nec2c package (sudo apt-get install nec2c)</source>
        <translation>找不到 nec2c：请安装 nec2c 软件包（sudo apt-get install nec2c）</translation>
    </message>
    <message>
        <source>nec2c failed: %1</source>
        <translation>nec2c 运行失败：%1</translation>
    </message>
    <message>
        <source>nec2c ran for more than %1 s and was stopped</source>
        <translation>nec2c 运行超过 %1 秒，已停止</translation>
    </message>
    <message>
        <source>nec2c&apos;s output makes no sense: %1 (line %2)</source>
        <translation>无法读懂 nec2c 的输出：%1（第 %2 行）</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>%1, line %2: </source>
        <translation>%1 第 %2 行：</translation>
    </message>
    <message>
        <source>%1: </source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>无法打开（%1）</translation>
    </message>
    <message>
        <source>too large (%1 MB) for an analyser&apos;s sweep</source>
        <translation>文件太大（%1 MB），不像是分析仪的扫频文件</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>不是文本文件</translation>
    </message>
    <message>
        <source>the line is too long</source>
        <translation>这一行太长</translation>
    </message>
    <message>
        <source>no option line (such as # MHz S RI R 50)</source>
        <translation>缺少选项行（# MHz S RI R 50 之类）</translation>
    </message>
    <message>
        <source>the option line is wrong: %1</source>
        <translation>选项行有误：%1</translation>
    </message>
    <message>
        <source>Touchstone has no frequency unit %1</source>
        <translation>Touchstone 没有频率单位 %1</translation>
    </message>
    <message>
        <source>only S, Y and Z parameters are read, not %1</source>
        <translation>只能读取 S、Y 和 Z 参数，这里是 %1 参数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>“%1”不是有效的数</translation>
    </message>
    <message>
        <source>%1 values, not a frequency and whole pairs</source>
        <translation>有 %1 个数，应为频率加成对的数值</translation>
    </message>
    <message>
        <source>frequency %1 does not rise (it repeats or goes back)</source>
        <translation>频率 %1 没有递增（重复或倒退）</translation>
    </message>
    <message>
        <source>no data</source>
        <translation>没有数据</translation>
    </message>
    <message>
        <source>only .s1p and .s2p files are read</source>
        <translation>只能读取 .s1p 和 .s2p 文件</translation>
    </message>
    <message>
        <source>Touchstone version %1 is not read: only version 1 and 2.0</source>
        <translation>不能读取 Touchstone %1 版：只能读取 1 版和 2.0 版</translation>
    </message>
    <message>
        <source>the keyword %1 is wrong or out of place here</source>
        <translation>关键字 %1 有误或位置不对</translation>
    </message>
    <message>
        <source>%1 frequencies, not as many as [Number of Frequencies] says</source>
        <translation>有 %1 个频率，与 [Number of Frequencies] 不符</translation>
    </message>
    <message>
        <source>--tube needs a diameter in mm</source>
        <translation>--tube：缺少管径（毫米）</translation>
    </message>
    <message>
        <source>--measured needs a file</source>
        <translation>--measured：缺少文件名</translation>
    </message>
    <message>
        <source>--measured takes one target frequency, and no --predict</source>
        <translation>--measured 只接受一个目标频率，不与 --predict 同用</translation>
    </message>
    <message>
        <source>--tube and --json go with --predict or --measured</source>
        <translation>--tube 和 --json 只与 --predict 或 --measured 一起使用</translation>
    </message>
    <message>
        <source>--predict needs a frequency in MHz</source>
        <translation>--predict：缺少频率（MHz）</translation>
    </message>
    <message>
        <source>%1: %2 points, %3 to %4 MHz, reference %5 ohm</source>
        <translation>%1：%2 个点，%3 – %4 MHz，参考阻抗 %5 欧</translation>
    </message>
    <message>
        <source>%1: %2 points, %3 to %4 MHz, reference %5 ohm, SWR against 50 ohm</source>
        <translation>%1：%2 个点，%3 – %4 MHz，参考阻抗 %5 欧，驻波比按 50 欧计</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>自由空间</translation>
    </message>
    <message>
        <source>perfect ground</source>
        <translation>理想导电地面</translation>
    </message>
    <message>
        <source>average ground</source>
        <translation>一般地面</translation>
    </message>
    <message>
        <source>poor (city) ground</source>
        <translation>贫瘠（城市）地面</translation>
    </message>
    <message>
        <source>good ground</source>
        <translation>良好地面</translation>
    </message>
    <message>
        <source>sea water</source>
        <translation>海水</translation>
    </message>
    <message>
        <source>in free space, %1 m of mast and coax below the J</source>
        <translation>自由空间，J 下方有 %1 米桅杆和电缆</translation>
    </message>
    <message>
        <source> (%1, %2 S/m, Sommerfeld-Norton)</source>
        <translation>（%1，%2 S/m，Sommerfeld-Norton 方法）</translation>
    </message>
    <message>
        <source> (%1, %2 S/m, reflection coefficients)</source>
        <translation>（%1，%2 S/m，反射系数近似）</translation>
    </message>
    <message>
        <source>over %1, the J&apos;s bottom %2 m up</source>
        <translation>%1上方，J 底部离地 %2 米</translation>
    </message>
    <message>
        <source>metal mast %1 mm</source>
        <translation>金属桅杆 %1 毫米</translation>
    </message>
    <message>
        <source>no metal mast</source>
        <translation>无金属桅杆</translation>
    </message>
    <message>
        <source>coax %1 mm</source>
        <translation>同轴电缆 %1 毫米</translation>
    </message>
    <message>
        <source>no coax</source>
        <translation>无同轴电缆</translation>
    </message>
    <message>
        <source>choke %1 ohm %2 m below the J</source>
        <translation>扼流圈 %1 欧，位于 J 底部以下 %2 米</translation>
    </message>
    <message>
        <source>no choke</source>
        <translation>无扼流圈</translation>
    </message>
    <message>
        <source>NEC-2 model (nec2c) %1; copper tube centre lines, tube %2 mm, %3 segments</source>
        <translation>NEC-2 模型（nec2c），%1；铜管中心线，管径 %2 毫米，%3 段</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>little: the coax hardly takes part</source>
        <translation>很小：电缆几乎不参与辐射</translation>
    </message>
    <message>
        <source>the coax radiates a little, and the match may shift when it is moved</source>
        <translation>电缆略有辐射，移动电缆时匹配可能变化</translation>
    </message>
    <message>
        <source>much: the coax radiates, lifts the pattern and brings RF into the shack</source>
        <translation>很大：电缆会辐射，抬高辐射仰角，并把射频带进电台室</translation>
    </message>
    <message>
        <source>common-mode current on the coax&apos;s shield: %1 of the feed current, the most %2 m below the J: %3</source>
        <translation>电缆外皮上的共模电流为馈电电流的 %1，最大处在 J 底部以下 %2 米：%3</translation>
    </message>
    <message>
        <source>without the choke %1: it fell to %2 of that</source>
        <translation>不加扼流圈时为 %1：降到了其 %2</translation>
    </message>
    <message>
        <source>without the choke %1: the choke changes little here</source>
        <translation>不加扼流圈时为 %1：这里扼流圈作用不大</translation>
    </message>
    <message>
        <source>common-mode current on the coax&apos;s shield below the choke: %1 of the feed current, the most %2 m below the J, %3; %4</source>
        <translation>扼流圈以下电缆外皮上的共模电流为馈电电流的 %1，最大处在 J 底部以下 %2 米，%3；%4</translation>
    </message>
    <message>
        <source>gain over %1 %2 dBi (%3 dBi 5° above the horizon)</source>
        <translation>%1上方增益 %2 dBi（仰角 5° 处 %3 dBi）</translation>
    </message>
    <message>
        <source>take-off angle %1°</source>
        <translation>辐射仰角 %1°</translation>
    </message>
    <message>
        <source>the largest gain %1° above the horizontal</source>
        <translation>最大增益方向在水平面以上 %1°</translation>
    </message>
    <message>
        <source>a quarter-wave ground plane at the J&apos;s feed: %1 dBi, take-off %2°, %3 dBi 5° up; the J %4 dB, %5 dB 5° up</source>
        <translation>同高度的四分之一波长GP天线：%1 dBi，辐射仰角 %2°，仰角 5° 处 %3 dBi；J 型天线相差 %4 dB，仰角 5° 处 %5 dB</translation>
    </message>
    <message>
        <source>the same J in free space: SWR at %1 MHz %2, lowest %3 at %4 MHz</source>
        <translation>同一天线在自由空间：%1 MHz 处驻波比 %2，最低 %3，在 %4 MHz</translation>
    </message>
    <message>
        <source>current on the mast: %1 of the feed current, the most %2 m below the J</source>
        <translation>桅杆上的电流为馈电电流的 %1，最大处在 J 底部以下 %2 米</translation>
    </message>
    <message>
        <source>corrected for the tube (as built in brackets):</source>
        <translation>按管径修正（括号内为实际制作尺寸）：</translation>
    </message>
    <message>
        <source>corrected for the tube where it stands (as built in brackets):</source>
        <translation>按管径和安装修正（括号内为实际制作尺寸）：</translation>
    </message>
    <message>
        <source>corrected for the tube where it stands (the formula&apos;s in brackets):</source>
        <translation>按管径和安装修正（括号内为公式值）：</translation>
    </message>
    <message>
        <source>the tube is too thick: the legs would come closer than a tube&apos;s radius, where the model means nothing; at most %1 mm at this frequency</source>
        <translation>管子太粗：两振子的间隙将小于管子的半径，模型没有意义；此频率下管径最大 %1 毫米</translation>
    </message>
    <message>
        <source>the height must be above 0 m, above the mast&apos;s clamp, and at most %1 m (20 wavelengths) at this frequency</source>
        <translation>高度必须大于 0 米、高于桅杆卡箍，此频率下最多 %1 米（20 个波长）</translation>
    </message>
    <message>
        <source>the mast must be thicker than 0 mm and at most %1 mm here, or it would touch the coax</source>
        <translation>桅杆外径必须大于 0 毫米，这里最多 %1 毫米，否则会碰到电缆</translation>
    </message>
    <message>
        <source>the coax must be thicker than 0 mm and at most %1 mm at this frequency</source>
        <translation>电缆外径必须大于 0 毫米，此频率下最多 %1 毫米</translation>
    </message>
    <message>
        <source>the choke&apos;s impedance must be above 0 ohm</source>
        <translation>扼流圈阻抗必须大于 0 欧</translation>
    </message>
    <message>
        <source>a choke goes on the coax: give the coax too</source>
        <translation>扼流圈装在电缆上：请同时给出电缆</translation>
    </message>
    <message>
        <source>the choke must be on the coax above the ground: less than %1 m below the J</source>
        <translation>扼流圈必须在地面以上的电缆上：J 底部以下不到 %1 米</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1：缺少数值</translation>
    </message>
    <message>
        <source>--as-built, --ground, --height, --mast, --coax, --choke and --choke-at go with --predict</source>
        <translation>--as-built、--ground、--height、--mast、--coax、--choke 和 --choke-at 只与 --predict 一起使用</translation>
    </message>
    <message>
        <source>four lengths A,B,C,D in mm, all above 0, with C &lt; B &lt; A</source>
        <translation>应为四个尺寸 A,B,C,D（毫米），都大于 0，且 C &lt; B &lt; A</translation>
    </message>
    <message>
        <source>the ground is one of free, perfect, average, poor, good, sea</source>
        <translation>地面应为 free、perfect、average、poor、good、sea 之一</translation>
    </message>
    <message>
        <source>the height is a number of metres above 0</source>
        <translation>高度应为大于 0 的米数</translation>
    </message>
    <message>
        <source>the mast&apos;s outside diameter is a number of mm above 0</source>
        <translation>桅杆外径应为大于 0 的毫米数</translation>
    </message>
    <message>
        <source>the coax&apos;s outside diameter is a number of mm above 0</source>
        <translation>电缆外径应为大于 0 的毫米数</translation>
    </message>
    <message>
        <source>goes with --choke</source>
        <translation>只与 --choke 一起使用</translation>
    </message>
    <message>
        <source>a quarter-wave ground plane in free space: %1 dBi, %2 dBi 5° up; the J %3 dB, %4 dB 5° up</source>
        <translation>自由空间中的四分之一波长GP天线：%1 dBi，仰角 5° 处 %2 dBi；J 型天线相差 %3 dB，仰角 5° 处 %4 dB</translation>
    </message>
    <message>
        <source>nothing cut</source>
        <translation>未剪</translation>
    </message>
    <message>
        <source>sweep %1 at %2: resonance %3 MHz</source>
        <translation>第 %1 次（%2）：谐振 %3 MHz</translation>
    </message>
    <message>
        <source>sweep %1 at %2, %3: resonance %4 MHz (%5)</source>
        <translation>第 %1 次（%2），%3：谐振 %4 MHz（%5）</translation>
    </message>
    <message>
        <source>; %1</source>
        <translation>；%1</translation>
    </message>
    <message>
        <source>measured: 10 mm off A raises the resonance by %1; the model: %2</source>
        <translation>实测：A 每剪短 10 毫米，谐振升高 %1；模型：%2</translation>
    </message>
    <message>
        <source>measured: 10 mm off A raises the resonance by %1</source>
        <translation>实测：A 每剪短 10 毫米，谐振升高 %1</translation>
    </message>
    <message>
        <source>no such port, or it is gone</source>
        <translation>没有这个端口，或者已被拔出</translation>
    </message>
    <message>
        <source>no permission to open the port</source>
        <translation>没有打开端口的权限</translation>
    </message>
    <message>
        <source>no permission to open the port: add yourself to the dialout group (sudo usermod -aG dialout $USER), then log out and in again</source>
        <translation>没有打开端口的权限：请把自己加入 dialout 组（sudo usermod -aG dialout $USER），然后注销再登录</translation>
    </message>
    <message>
        <source>another program holds the port: close it (NanoVNA-Saver, a terminal) and try again</source>
        <translation>端口被另一个程序占用：请关闭它（NanoVNA-Saver、终端程序等）后重试</translation>
    </message>
    <message>
        <source>it answers, but not as a NanoVNA</source>
        <translation>有应答，但不是 NanoVNA</translation>
    </message>
    <message>
        <source>the analyser does not answer: is it switched on, and this its port?</source>
        <translation>分析仪没有应答：是否已开机？端口是否正确？</translation>
    </message>
    <message>
        <source>the analyser sent a value that makes no sense (%1): sweep again</source>
        <translation>分析仪发来无意义的数值（%1）：请重新扫频</translation>
    </message>
    <message>
        <source>the analyser sent %1 points, not as many as asked: sweep again</source>
        <translation>分析仪发来 %1 个点，与所要的不符：请重新扫频</translation>
    </message>
    <message>
        <source>the analyser is in its bootloader: switch it off and on again</source>
        <translation>分析仪处于引导程序模式：请关机再开机</translation>
    </message>
    <message>
        <source>the analyser was unplugged during the sweep</source>
        <translation>扫频时分析仪被拔出</translation>
    </message>
    <message>
        <source>the analyser cannot sweep these frequencies (%1)</source>
        <translation>分析仪不能扫这些频率（%1）</translation>
    </message>
    <message>
        <source>raw ratios from a V2, not a calibrated measurement: read them with care</source>
        <translation>V2 的原始比值，不是校准过的测量：请谨慎看待</translation>
    </message>
    <message>
        <source>--sweep takes one frequency, and no --predict or --measured</source>
        <translation>--sweep 只接受一个频率，不与 --predict 或 --measured 同用</translation>
    </message>
    <message>
        <source>--points and --save go with --sweep</source>
        <translation>--points 和 --save 只与 --sweep 一起使用</translation>
    </message>
    <message>
        <source>from 2 to 10001 points</source>
        <translation>点数应为 2 至 10001</translation>
    </message>
    <message>
        <source>Usage: tolvera [--help | --version | FREQUENCY...]
       tolvera --predict [--tube MM] [INSTALLATION] [--json] FREQUENCY...
       tolvera --measured FILE [--tube MM] [--json] [FREQUENCY]
       tolvera --sweep PORT [--points N] [--save FILE.s1p] [--tube MM] [--json] FREQUENCY
J antenna calculator: type the transmit frequency in MHz, press
&quot;输出结果(Count)&quot; (Alt+C) and read the cut lengths A to D and the total
tube length E in millimetres.
With frequencies in MHz (tolvera 145 433.5), prints A to E for each
instead of opening the window; a frequency the window would reject gets
the window&apos;s message on standard error and exit status 1.
With --predict, simulates each antenna as calculated with nec2c (NEC-2,
in free space unless told where it stands) and prints its SWR, impedance
and gain, and the lengths corrected for the tube.
With --measured, reads an analyser&apos;s sweep (Touchstone .s1p or .s2p) and
prints its lowest SWR and SWR &lt;= 2 band and, with a frequency, how much
to cut off A and B (or add) to resonate there.
With --sweep, sweeps the NanoVNA at PORT (/dev/ttyACM0, COM3, or auto)
from 0.95 to 1.05 times the frequency and prints what --measured prints.

  --predict      simulate instead of only calculating
  --measured FILE  read an analyser&apos;s sweep
  --sweep PORT   sweep an analyser
  --points N     points of the sweep (as many as the analyser gives in one scan)
  --save FILE    save the sweep as Touchstone
  --tube MM      the tube&apos;s outside diameter in mm (15 if not given)
  --json         print the predictions (one array) or the sweep as JSON
  -h, --help     show this help and exit
  -v, --version  show the version and exit
Where it stands (INSTALLATION, with --predict):
  --as-built A,B,C,D  the lengths actually built, in mm
  --ground KIND  free (the default), perfect, average, poor, good or sea
  --height M     the J&apos;s bottom above the ground (10); in free space, the
                 mast and coax below it
  --mast MM      a metal mast of this outside diameter, from the bend down
  --coax MM      the coax&apos;s outside diameter (RG-58 about 5)
  --choke OHMS   a choke on the coax
  --choke-at M   its place below the J&apos;s bottom (0)
</source>
        <translation>用法：tolvera [--help | --version | 频率...]
      tolvera --predict [--tube 毫米] [安装] [--json] 频率...
      tolvera --measured 文件 [--tube 毫米] [--json] [频率]
      tolvera --sweep 端口 [--points 点数] [--save 文件.s1p] [--tube 毫米] [--json] 频率
J型天线计算器：输入发射频率（MHz），按“输出结果(Count)”（Alt+C），
即得各段尺寸 A 至 D 和管材总长度 E（毫米）。
给出频率（MHz，如 tolvera 145 433.5）时不打开窗口，逐个输出 A 至 E；
窗口不接受的频率在标准错误输出窗口的提示，退出状态为 1。
加 --predict 时用 nec2c（NEC-2，未给出安装方式时为自由空间）模拟
按计算结果制作的天线，输出驻波比、阻抗、增益和按管径修正的尺寸。
加 --measured 时读取分析仪的扫频文件（Touchstone .s1p 或 .s2p），输出
最低驻波比和驻波比≤2 的频段；给出频率时还输出 A、B 应剪短（或加长）多少。
加 --sweep 时用端口上的 NanoVNA（/dev/ttyACM0、COM3 或 auto）扫频，
范围为频率的 0.95 至 1.05 倍，输出与 --measured 相同。

  --predict      模拟性能，而不只是计算尺寸
  --measured 文件  读取分析仪的扫频文件
  --sweep 端口   用分析仪扫频
  --points 点数  扫频点数（默认为分析仪一次扫描的点数）
  --save 文件    把扫频保存为 Touchstone 文件
  --tube 毫米    管材外径（毫米，默认 15）
  --json         以 JSON 输出预测（一个数组）或扫频
  -h, --help     显示本帮助并退出
  -v, --version  显示版本并退出
安装方式（安装，与 --predict 一起）：
  --as-built A,B,C,D  实际制作的尺寸（毫米）
  --ground 地面  free（默认）、perfect、average、poor、good 或 sea
  --height 米    J 底部离地高度（10）；自由空间中为 J 下方桅杆和电缆的长度
  --mast 毫米    从弯头向下的金属桅杆的外径
  --coax 毫米    同轴电缆外径（RG-58 约 5）
  --choke 欧     电缆上的扼流圈
  --choke-at 米  扼流圈位于 J 底部以下的距离（0）
</translation>
    </message>
    <message>
        <source>A %1 mm longer</source>
        <translation>A 加长 %1 毫米</translation>
    </message>
    <message>
        <source>A %1 mm off</source>
        <translation>A 剪短 %1 毫米</translation>
    </message>
    <message>
        <source>B %1 mm longer</source>
        <translation>B 加长 %1 毫米</translation>
    </message>
    <message>
        <source>B %1 mm off</source>
        <translation>B 剪短 %1 毫米</translation>
    </message>
</context>
</TS>
