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
    <name>Hints</name>
    <message>
        <source>Look at %1: a %2.</source>
        <extracomment>The clue: where to look (%1: a unit, or &quot;the 4s&quot;) and the technique (%2), in lower case unless its name is spelled with capitals. Two forms only for English&apos;s &quot;a&quot; and &quot;an&quot;.</extracomment>
        <translation>看%1：%2。</translation>
    </message>
    <message>
        <source>Look at %1: an %2.</source>
        <translation>看%1：%2。</translation>
    </message>
    <message>
        <source>the %1s</source>
        <extracomment>In the clue, every place of digit %1 in the grid.</extracomment>
        <translation>所有的%1</translation>
    </message>
    <message>
        <source>The %1 in %2 cannot be right.</source>
        <extracomment>The hint refuses: the player&apos;s digit %1 in cell %2 is not the solution&apos;s.</extracomment>
        <translation>%2的%1不可能正确。</translation>
    </message>
    <message>
        <source>No solution keeps the digits on the board.</source>
        <translation>没有解能保留盘面上的数字。</translation>
    </message>
    <message>
        <source>The digits on the board allow more than one solution, so no step follows from them.</source>
        <translation>盘面上的数字允许多个解，因此无法推出任何步骤。</translation>
    </message>
    <message>
        <source>Every cell is filled: there is no step left.</source>
        <translation>所有格都已填满：没有剩余步骤。</translation>
    </message>
    <message>
        <source>Some digits clash: %1 repeats in %2.</source>
        <extracomment>The hint refuses: %1 a digit that repeats in one row or column, %2 its cells (which name that row or column).</extracomment>
        <translation>数字冲突：%1在%2中重复。</translation>
    </message>
    <message>
        <source>Some digits clash: %1 repeats in %2: %3.</source>
        <extracomment>The hint refuses: %1 a digit, %2 the box it repeats in, %3 its cells.</extracomment>
        <translation>数字冲突：%1在%2中重复，位于%3。</translation>
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
    <name>StepWords</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell: %1 is its row, %2 its column, both 1 to 9.</extracomment>
        <translation>第%1行第%2列</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>第%1行</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>第%1列</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>第%1宫</translation>
    </message>
    <message numerus="yes">
        <source>row(s) %1</source>
        <extracomment>Several rows or columns of the grid; %1 lists their numbers (&quot;1, 4 and 7&quot;). %n: how many.</extracomment>
        <translation>
            <numerusform>第%1行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column(s) %1</source>
        <translation>
            <numerusform>第%1列</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>row %1, column(s) %2</source>
        <extracomment>Cells of one row: %1 the row, %2 their columns (&quot;1–3 and 7&quot;). %n: how many columns.</extracomment>
        <translation>
            <numerusform>第%1行第%2列</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1, column %2</source>
        <extracomment>Cells of one column: %1 their rows (&quot;2 and 5&quot;), %2 the column.</extracomment>
        <translation>第%1行第%2列</translation>
    </message>
    <message>
        <source>rows %1 and %2, columns %3 and %4</source>
        <extracomment>The four corners of a rectangle: rows %1 and %2, columns %3 and %4.</extracomment>
        <translation>第%1行和第%2行、第%3列和第%4列</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A run of consecutive numbers, as in &quot;columns 1–3&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Lists: %1 the items so far, %2 the next one. &quot;3, 5&quot; then &quot;3, 5 and 7&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of alternatives: &quot;4 or 6&quot;, &quot;2, 4 or 6&quot;.</extracomment>
        <translation>%1或%2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Groups of cells or of removals that hold lists themselves: &quot;row 1, columns 1–3; row 4&quot;.</extracomment>
        <translation>%1；%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 leave(s) %2</source>
        <extracomment>Candidates a step removes: %1 the digits (&quot;7 and 8&quot;), %2 the cells. %n: how many digits.</extracomment>
        <translation>
            <numerusform>从%2删去%1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A cell with its candidates: %1 the cell, %2 the digits.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>In a forcing chain: digit %1 in cell %2.</extracomment>
        <translation>%2为%1</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <extracomment>In a forcing chain: cell %1 takes digit %2.</extracomment>
        <translation>%1填%2</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1: %2.</source>
        <extracomment>A step of a hint: %1 the technique&apos;s name, %2 what it shows.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>Then %1</source>
        <extracomment>Every step of a hint after the first: %1 is that step, its name starting in lower case.</extracomment>
        <translation>然后%1</translation>
    </message>
    <message>
        <source>%1 is the last empty cell of %2, so it takes %3</source>
        <extracomment>%1 a cell, %2 its row, column or box, %3 the digit.</extracomment>
        <translation>%1是%2中最后一个空格，所以填%3</translation>
    </message>
    <message>
        <source>%1 can hold only %2</source>
        <extracomment>%1 a cell, %2 the one digit left for it.</extracomment>
        <translation>%1只能填%2</translation>
    </message>
    <message>
        <source>%1 can go only in %2 within %3</source>
        <extracomment>%1 a digit, %2 a cell, %3 the row, column or box.</extracomment>
        <translation>在%3中，%1只能填在%2</translation>
    </message>
    <message>
        <source>in %1, the digit %2 lies only in %3, so %4</source>
        <extracomment>%1 a box or line, %2 a digit, %3 the line or box its places there lie in, %4 what follows: a hidden single or the removed candidates.</extracomment>
        <translation>在%1中，数字%2只在%3内，所以%4</translation>
    </message>
    <message>
        <source>in %1, %2 hold only the digits %3, so %4</source>
        <extracomment>%1 a unit, %2 the cells there, %3 the digits, %4 the removed candidates.</extracomment>
        <translation>在%1中，%2只含数字%3，所以%4</translation>
    </message>
    <message>
        <source>in %1, the digits %2 must fill %3, so %4</source>
        <extracomment>%1 a unit, %2 the digits, %3 the cells they must fill, %4 the removed candidates.</extracomment>
        <translation>在%1中，数字%2必须填满%3，所以%4</translation>
    </message>
    <message>
        <source>in %1, the digits %2 must fill %3, so %4 can go only in %5</source>
        <extracomment>As the hidden subset, then the single it leads to: digit %4 in cell %5.</extracomment>
        <translation>在%1中，数字%2必须填满%3，所以%4只能填在%5</translation>
    </message>
    <message>
        <source>%1 lies in %2 only within %3, so %4</source>
        <extracomment>%1 a digit, %2 the rows (or columns) it lies in, %3 the columns (or rows), %4 the removals.</extracomment>
        <translation>%1在%2中只位于%3内，所以%4</translation>
    </message>
    <message>
        <source>in %1, %2 can go only in %3 or %4, and in %5 only in %6 or %7; as %3 and %6 cannot both hold %2, either %4 or %7 holds it, so %8</source>
        <extracomment>Two strong links of digit %2: in unit %1 its places %3 and %4, in unit %5 its places %6 and %7; %3 and %6 see each other. %8 the removals.</extracomment>
        <translation>在%1中，%2只能在%3或%4，在%5中只能在%6或%7；由于%3和%6不能同时为%2，%4或%7必为%2，所以%8</translation>
    </message>
    <message>
        <source>pivot %1 with %2 and %3: one of the pincers holds %4, so %5</source>
        <extracomment>%1 the pivot, %2 and %3 the pincers, each with its candidates; %4 a digit, %5 the removals.</extracomment>
        <translation>枢纽%1与%2和%3：其中一个翼为%4，所以%5</translation>
    </message>
    <message>
        <source>pivot %1 with %2 and %3: one of the three holds %4, so %5</source>
        <translation>枢纽%1与%2和%3：三格之一为%4，所以%5</translation>
    </message>
    <message>
        <source>either %1 or %2 holds %3 (the chain %4), so %5</source>
        <extracomment>%1 and %2 the chain&apos;s ends, %3 the digit, %4 the chain, %5 the removals.</extracomment>
        <translation>%1或%2必为%3（链%4），所以%5</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 holds another digit, so %4</source>
        <extracomment>Unique rectangle: %1 the corners, %2 the two digits, %3 the cell, %4 the removals.</extracomment>
        <translation>%1中除非%3含有其他数字，否则%2可以互换，所以%4</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 is in %4 or %5, so %6</source>
        <extracomment>%1 the corners, %2 the two digits, %3 the extra digit, %4 and %5 two cells, %6 removals.</extracomment>
        <translation>%1中除非%3在%4或%5，否则%2可以互换，所以%6</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 hold %4, which with %5 fill those cells of %6 with %7, so %8</source>
        <extracomment>%1 the corners, %2 the two digits, %3 two cells, %4 their extra digits, %5 other cells, %6 the unit, %7 the digits that fill them, %8 the removals.</extracomment>
        <translation>%1中除非%3含有%4，否则%2可以互换；%4与%5一起以%7填满%6中的这些格，所以%8</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 hold %4; as %5 must be in one of them in %6, %7</source>
        <extracomment>%1 the corners, %2 the two digits, %3 two cells, %4 one digit of the two, %5 the other, %6 the unit, %7 the removals.</extracomment>
        <translation>%1中除非%3含有%4，否则%2可以互换；由于在%6中%5必在其中之一，%7</translation>
    </message>
    <message>
        <source>every other empty cell has two candidates, and without %1 in %2 each digit would have two places in every unit, so %2 takes %1</source>
        <extracomment>%1 a digit, %2 the one cell with three candidates.</extracomment>
        <translation>其他空格都只有两个候选数，若%2不是%1，每个数字在每个单元中都有两个位置，所以%2填%1</translation>
    </message>
    <message>
        <source>each digit %1 can hold, %2,</source>
        <extracomment>The forcing chain&apos;s start: %1 a cell, %2 its candidates as alternatives.</extracomment>
        <translation>%1的每个候选数（%2）都</translation>
    </message>
    <message>
        <source>each place of %1 in %2 (%3)</source>
        <extracomment>The forcing chain&apos;s start: %1 a digit, %2 a unit, %3 the digit&apos;s places there.</extracomment>
        <translation>%1在%2中的每个位置（%3）都</translation>
    </message>
    <message>
        <source>%1 leads to %2, so %3</source>
        <extracomment>%1 the forcing chain&apos;s start, %2 the digits it leads to, %3 the placements.</extracomment>
        <translation>%1导致%2，所以%3</translation>
    </message>
    <message>
        <source>%1 leads to the same removals, so %2</source>
        <translation>%1导致相同的删除，所以%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %2 forces a contradiction after %n placement(s), so %1 leaves that cell</source>
        <extracomment>%1 a digit, %2 a cell, %n how many placements it took to reach the contradiction.</extracomment>
        <translation>
            <numerusform>%2填%1会在%n步后导致矛盾，所以从该格删去%1</numerusform>
        </translation>
    </message>
    <message>
        <source>no logical step was found; a search of every way of completing the grid proves that %1 cannot hold %2, so %2 leaves that cell</source>
        <extracomment>%1 a cell, %2 the digit it cannot hold.</extracomment>
        <translation>未找到逻辑步骤；搜索完成盘面的所有方式证明%1不能为%2，所以从该格删去%2</translation>
    </message>
    <message>
        <source>%1 leads to %2, so %3, and %4</source>
        <extracomment>%1 the forcing chain&apos;s start, %2 the digits it leads to, %3 the placements, %4 the removals beyond those the placements imply.</extracomment>
        <translation>%1导致%2，所以%3，并且%4</translation>
    </message>
</context>
<context>
    <name>Techniques</name>
    <message>
        <source>Full house</source>
        <translation>唯一空格</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>隐性唯一</translation>
    </message>
    <message>
        <source>Direct pointing</source>
        <translation>直接宫区块</translation>
    </message>
    <message>
        <source>Direct claiming</source>
        <translation>直接行列区块</translation>
    </message>
    <message>
        <source>Direct hidden pair</source>
        <translation>直接隐性数对</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>唯一余数</translation>
    </message>
    <message>
        <source>Direct hidden triple</source>
        <translation>直接隐性三数组</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>宫区块</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>行列区块</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>显性数对</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X翼</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>隐性数对</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>显性三数组</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>剑鱼</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>隐性三数组</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>摩天楼</translation>
    </message>
    <message>
        <source>Two-string kite</source>
        <translation>双线风筝</translation>
    </message>
    <message>
        <source>Turbot fish</source>
        <translation>多宝鱼</translation>
    </message>
    <message>
        <source>XY-wing</source>
        <translation>XY翼</translation>
    </message>
    <message>
        <source>Grouped turbot fish</source>
        <translation>分组多宝鱼</translation>
    </message>
    <message>
        <source>XYZ-wing</source>
        <translation>XYZ翼</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>唯一矩形</translation>
    </message>
    <message>
        <source>Naked quad</source>
        <translation>显性四数组</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>水母</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>隐性四数组</translation>
    </message>
    <message>
        <source>X-chain</source>
        <translation>X链</translation>
    </message>
    <message>
        <source>BUG+1</source>
        <translation>BUG+1</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>XY链</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>强制链</translation>
    </message>
    <message>
        <source>Trial</source>
        <translation>试数</translation>
    </message>
    <message>
        <source>Trial by search</source>
        <translation>搜索试数</translation>
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
    <name>frmLevel</name>
    <message>
        <source>&amp;1 Easy</source>
        <translation>&amp;1 简单</translation>
    </message>
    <message>
        <source>&amp;2 Medium</source>
        <translation>&amp;2 中等</translation>
    </message>
    <message>
        <source>&amp;3 Hard</source>
        <translation>&amp;3 困难</translation>
    </message>
    <message>
        <source>&amp;4 Diabolical</source>
        <translation>&amp;4 地狱</translation>
    </message>
    <message>
        <source>Generate a puzzle of the level:</source>
        <translation>生成此难度的题目:</translation>
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
