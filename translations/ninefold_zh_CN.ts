<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Accessibility</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>第%1行，第%2列</translation>
    </message>
    <message>
        <source>Candidates of row %1, column %2</source>
        <translation>第%1行，第%2列的候选数</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell without a digit, as a screen reader reads it.</extracomment>
        <translation>空</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1，已知数</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>CheckDiagram</name>
    <message numerus="yes">
        <source>%n error(s) found in entries!</source>
        <extracomment>Stage 1 of the grid check: filled cells whose digit repeats in its row, column or box.</extracomment>
        <translation>
            <numerusform>输入中发现 %n 处错误！</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries matched.</source>
        <translation>输入无冲突。</translation>
    </message>
    <message numerus="yes">
        <source>%n logical error(s) found!</source>
        <extracomment>Stage 2 of the grid check: empty cells where no digit can go any more.</extracomment>
        <translation>
            <numerusform>发现 %n 处逻辑错误！</numerusform>
        </translation>
    </message>
    <message>
        <source>No logical error found.</source>
        <translation>未发现逻辑错误。</translation>
    </message>
    <message>
        <source>Correct this errors:</source>
        <extracomment>Stage 3 of the grid check: the list of boxes, rows and columns that lack digits follows.</extracomment>
        <translation>请改正以下错误：</translation>
    </message>
    <message numerus="yes">
        <source>Error at square %1 for %n times.</source>
        <extracomment>%1 is a box as &quot;band,stack&quot; (for example 2,3); %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>宫 %1：缺少 %n 个数字。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at row %1 for %n times.</source>
        <extracomment>%1 is the row&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>第%1行：缺少 %n 个数字。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at col %1 for %n times.</source>
        <extracomment>%1 is the column&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>第%1列：缺少 %n 个数字。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 could not be saved!</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>无法保存 %1！</translation>
    </message>
    <message>
        <source>%1 not found!</source>
        <extracomment>A file of the recent-files list is gone; %1 is its path.</extracomment>
        <translation>未找到 %1！</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <extracomment>Asked after &quot;... not found!&quot;: whether to take the file off the recent-files list.</extracomment>
        <translation>从列表中移除？</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <extracomment>A paste or a dropped text that is not a line of 81 cells.</extracomment>
        <translation>剪贴板中没有题目。</translation>
    </message>
    <message>
        <source>Created by:</source>
        <extracomment>The About box: a heading line, then the authors indented below it.</extracomment>
        <translation>制作：</translation>
    </message>
    <message>
        <source>The Ninefold developers</source>
        <translation>Ninefold 开发团队</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Puzzle solved.</source>
        <extracomment>Shown by Check Diagram and by Solve when every cell is filled and nothing clashes.</extracomment>
        <translation>题目已解出。</translation>
    </message>
    <message>
        <source>This puzzle is solved.</source>
        <translation>此题已经解出。</translation>
    </message>
    <message>
        <source>Please check entries.</source>
        <extracomment>Solve refuses: some digits clash.</extracomment>
        <translation>请检查输入。</translation>
    </message>
    <message>
        <source>Please check logicality.</source>
        <extracomment>Solve refuses: some empty cell has no digit left that could go there.</extracomment>
        <translation>请检查逻辑。</translation>
    </message>
    <message>
        <source>This puzzle hasn&apos;t any solution!</source>
        <translation>此题无解！</translation>
    </message>
    <message>
        <source>Ready.</source>
        <extracomment>Generate found a puzzle at the first attempt.</extracomment>
        <translation>完成。</translation>
    </message>
    <message numerus="yes">
        <source>%n Retry(ies)!</source>
        <extracomment>Generate needed %n further attempts to find a puzzle.</extracomment>
        <translation>
            <numerusform>重试了 %n 次！</numerusform>
        </translation>
    </message>
    <message>
        <source>Manual entries will be lost.</source>
        <extracomment>First line of the question before Game &gt; New empties the board.</extracomment>
        <translation>手动输入的数字将会丢失。</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Second line of the question before Game &gt; New empties the board.</extracomment>
        <translation>确定要继续吗？</translation>
    </message>
</context>
<context>
    <name>PuzzleFileDialog</name>
    <message>
        <source>NFD Files</source>
        <extracomment>The file type of puzzle files in the Load and Save as dialogs.</extracomment>
        <translation>NFD 文件</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>求解</translation>
    </message>
    <message>
        <source>Check Diagram</source>
        <extracomment>Checks the grid: clashing digits, cells with no digit left, missing digits.</extracomment>
        <translation>检查盘面</translation>
    </message>
    <message>
        <source>Clear blue numbers</source>
        <extracomment>Empties the cells the program filled in (drawn in blue).</extracomment>
        <translation>清除蓝色数字</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Double-Click: Show available numbers for each block</source>
        <extracomment>Above the candidate panel; a double-click on it lists the digits still possible in each cell, box by box.</extracomment>
        <translation>双击：显示每宫可填的数字</translation>
    </message>
</context>
<context>
    <name>frmWait</name>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Press Esc to cancel</source>
        <translation>按 Esc 取消</translation>
    </message>
</context>
</TS>
