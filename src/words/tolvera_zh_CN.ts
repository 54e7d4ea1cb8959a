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
        <source>the tube is too thick: the spacing D must be at least three tube diameters, or the tubes nearly touch and the model means nothing; at most %1 mm at this frequency</source>
        <translation>管子太粗：两振子间距 D 至少要有管径的 3 倍，否则两管几乎相碰，模型没有意义；此频率下管径最大 %1 毫米</translation>
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
        <source>Usage: tolvera [--help | --version | FREQUENCY...]
       tolvera --predict [--tube MM] [--json] FREQUENCY...
       tolvera --measured FILE [--tube MM] [--json] [FREQUENCY]
J antenna calculator: type the transmit frequency in MHz, press
&quot;输出结果(Count)&quot; (Alt+C) and read the cut lengths A to D and the total
tube length E in millimetres.
With frequencies in MHz (tolvera 145 433.5), prints A to E for each
instead of opening the window; a frequency the window would reject gets
the window&apos;s message on standard error and exit status 1.
With --predict, simulates each antenna as calculated with nec2c (NEC-2,
free space: no ground, mast or coax) and prints its SWR, impedance and
gain, and the lengths corrected for the tube.
With --measured, reads an analyser&apos;s sweep (Touchstone .s1p or .s2p) and
prints its lowest SWR and SWR &lt;= 2 band and, with a frequency, how much
to cut off A and B (or add) to resonate there.

  --predict      simulate instead of only calculating
  --measured FILE  read an analyser&apos;s sweep
  --tube MM      the tube&apos;s outside diameter in mm (15 if not given)
  --json         print the predictions (one array) or the sweep as JSON
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>用法：tolvera [--help | --version | 频率...]
      tolvera --predict [--tube 毫米] [--json] 频率...
      tolvera --measured 文件 [--tube 毫米] [--json] [频率]
J型天线计算器：输入发射频率（MHz），按“输出结果(Count)”（Alt+C），
即得各段尺寸 A 至 D 和管材总长度 E（毫米）。
给出频率（MHz，如 tolvera 145 433.5）时不打开窗口，逐个输出 A 至 E；
窗口不接受的频率在标准错误输出窗口的提示，退出状态为 1。
加 --predict 时用 nec2c（NEC-2，自由空间：未计地面、桅杆和电缆）模拟
按计算结果制作的天线，输出驻波比、阻抗、增益和按管径修正的尺寸。
加 --measured 时读取分析仪的扫频文件（Touchstone .s1p 或 .s2p），输出
最低驻波比和驻波比≤2 的频段；给出频率时还输出 A、B 应剪短（或加长）多少。

  --predict      模拟性能，而不只是计算尺寸
  --measured 文件  读取分析仪的扫频文件
  --tube 毫米    管材外径（毫米，默认 15）
  --json         以 JSON 输出预测（一个数组）或扫频
  -h, --help     显示本帮助并退出
  -v, --version  显示版本并退出
</translation>
    </message>
    <message>
        <source>%1: %2 points, %3 to %4 MHz, reference %5 ohm</source>
        <translation>%1：%2 个点，%3 – %4 MHz，参考阻抗 %5 欧</translation>
    </message>
    <message>
        <source>%1: %2 points, %3 to %4 MHz, reference %5 ohm, SWR against 50 ohm</source>
        <translation>%1：%2 个点，%3 – %4 MHz，参考阻抗 %5 欧，驻波比按 50 欧计</translation>
    </message>
</context>
</TS>
