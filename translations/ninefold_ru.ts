<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Строка %1, столбец %2</translation>
    </message>
    <message>
        <source>Candidates of row %1, column %2</source>
        <translation>Кандидаты: строка %1, столбец %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell without a digit, as a screen reader reads it.</extracomment>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1, исходная</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>CheckDiagram</name>
    <message numerus="yes">
        <source>%n error(s) found in entries!</source>
        <extracomment>Stage 1 of the grid check: filled cells whose digit repeats in its row, column or box.</extracomment>
        <translation>
            <numerusform>Найдена %n ошибка во вводе!</numerusform>
            <numerusform>Найдены %n ошибки во вводе!</numerusform>
            <numerusform>Найдено %n ошибок во вводе!</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries matched.</source>
        <translation>Противоречий во вводе нет.</translation>
    </message>
    <message numerus="yes">
        <source>%n logical error(s) found!</source>
        <extracomment>Stage 2 of the grid check: empty cells where no digit can go any more.</extracomment>
        <translation>
            <numerusform>Найдена %n логическая ошибка!</numerusform>
            <numerusform>Найдены %n логические ошибки!</numerusform>
            <numerusform>Найдено %n логических ошибок!</numerusform>
        </translation>
    </message>
    <message>
        <source>No logical error found.</source>
        <translation>Логических ошибок нет.</translation>
    </message>
    <message>
        <source>Correct this errors:</source>
        <extracomment>Stage 3 of the grid check: the list of boxes, rows and columns that lack digits follows.</extracomment>
        <translation>Исправьте эти ошибки:</translation>
    </message>
    <message numerus="yes">
        <source>Error at square %1 for %n times.</source>
        <extracomment>%1 is a box as &quot;band,stack&quot; (for example 2,3); %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Блок %1: не хватает %n цифры.</numerusform>
            <numerusform>Блок %1: не хватает %n цифр.</numerusform>
            <numerusform>Блок %1: не хватает %n цифр.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at row %1 for %n times.</source>
        <extracomment>%1 is the row&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Строка %1: не хватает %n цифры.</numerusform>
            <numerusform>Строка %1: не хватает %n цифр.</numerusform>
            <numerusform>Строка %1: не хватает %n цифр.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at col %1 for %n times.</source>
        <extracomment>%1 is the column&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Столбец %1: не хватает %n цифры.</numerusform>
            <numerusform>Столбец %1: не хватает %n цифр.</numerusform>
            <numerusform>Столбец %1: не хватает %n цифр.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 could not be saved!</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Не удалось сохранить %1!</translation>
    </message>
    <message>
        <source>%1 not found!</source>
        <extracomment>A file of the recent-files list is gone; %1 is its path.</extracomment>
        <translation>%1 не найден!</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <extracomment>Asked after &quot;... not found!&quot;: whether to take the file off the recent-files list.</extracomment>
        <translation>Убрать его из списка?</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <extracomment>A paste or a dropped text that is not a line of 81 cells.</extracomment>
        <translation>В буфере обмена нет головоломки.</translation>
    </message>
    <message>
        <source>Created by:</source>
        <extracomment>The About box: a heading line, then the authors indented below it.</extracomment>
        <translation>Авторы:</translation>
    </message>
    <message>
        <source>The Ninefold developers</source>
        <translation>Команда Ninefold</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Look at %1: a %2.</source>
        <extracomment>The clue: where to look (%1: a unit, or &quot;the 4s&quot;) and the technique (%2), in lower case unless its name is spelled with capitals. Two forms only for English&apos;s &quot;a&quot; and &quot;an&quot;.</extracomment>
        <translation>%2 — ищите в %1.</translation>
    </message>
    <message>
        <source>Look at %1: an %2.</source>
        <translation>%2 — ищите в %1.</translation>
    </message>
    <message>
        <source>the %1s</source>
        <extracomment>In the clue, every place of digit %1 in the grid.</extracomment>
        <translation>расположении цифры %1</translation>
    </message>
    <message>
        <source>The %1 in %2 cannot be right.</source>
        <extracomment>The hint refuses: the player&apos;s digit %1 in cell %2 is not the solution&apos;s.</extracomment>
        <translation>Цифра %1 в %2 не может быть верной.</translation>
    </message>
    <message>
        <source>No solution keeps the digits on the board.</source>
        <translation>Ни одно решение не сохраняет цифры на поле.</translation>
    </message>
    <message>
        <source>The digits on the board allow more than one solution, so no step follows from them.</source>
        <translation>Цифры на поле допускают больше одного решения, поэтому из них не следует ни один шаг.</translation>
    </message>
    <message>
        <source>Every cell is filled: there is no step left.</source>
        <translation>Все клетки заполнены: шагов не осталось.</translation>
    </message>
    <message>
        <source>Some digits clash: %1 repeats in %2.</source>
        <extracomment>The hint refuses: %1 a digit that repeats in one row or column, %2 its cells (which name that row or column).</extracomment>
        <translation>Цифры противоречат друг другу: %1 повторяется в %2.</translation>
    </message>
    <message>
        <source>Some digits clash: %1 repeats in %2: %3.</source>
        <extracomment>The hint refuses: %1 a digit, %2 the box it repeats in, %3 its cells.</extracomment>
        <translation>Цифры противоречат друг другу: %1 повторяется в %2: в %3.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Puzzle solved.</source>
        <extracomment>Shown by Check Diagram and by Solve when every cell is filled and nothing clashes.</extracomment>
        <translation>Головоломка решена.</translation>
    </message>
    <message>
        <source>This puzzle is solved.</source>
        <translation>Эта головоломка уже решена.</translation>
    </message>
    <message>
        <source>Please check entries.</source>
        <extracomment>Solve refuses: some digits clash.</extracomment>
        <translation>Проверьте введённые цифры.</translation>
    </message>
    <message>
        <source>Please check logicality.</source>
        <extracomment>Solve refuses: some empty cell has no digit left that could go there.</extracomment>
        <translation>Проверьте логику.</translation>
    </message>
    <message>
        <source>This puzzle hasn&apos;t any solution!</source>
        <translation>У этой головоломки нет решения!</translation>
    </message>
    <message>
        <source>Ready.</source>
        <extracomment>Generate found a puzzle at the first attempt.</extracomment>
        <translation>Готово.</translation>
    </message>
    <message numerus="yes">
        <source>%n Retry(ies)!</source>
        <extracomment>Generate needed %n further attempts to find a puzzle.</extracomment>
        <translation>
            <numerusform>%n повторная попытка!</numerusform>
            <numerusform>%n повторные попытки!</numerusform>
            <numerusform>%n повторных попыток!</numerusform>
        </translation>
    </message>
    <message>
        <source>Manual entries will be lost.</source>
        <extracomment>First line of the question before Game &gt; New empties the board.</extracomment>
        <translation>Введённые цифры будут потеряны.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Second line of the question before Game &gt; New empties the board.</extracomment>
        <translation>Продолжить?</translation>
    </message>
</context>
<context>
    <name>PuzzleFileDialog</name>
    <message>
        <source>NFD Files</source>
        <extracomment>The file type of puzzle files in the Load and Save as dialogs.</extracomment>
        <translation>Файлы NFD</translation>
    </message>
</context>
<context>
    <name>StepWords</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell: %1 is its row, %2 its column, both 1 to 9.</extracomment>
        <translation>строке %1, столбце %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>строке %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>столбце %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>блоке %1</translation>
    </message>
    <message numerus="yes">
        <source>row(s) %1</source>
        <extracomment>Several rows or columns of the grid; %1 lists their numbers (&quot;1, 4 and 7&quot;). %n: how many.</extracomment>
        <translation>
            <numerusform>строке %1</numerusform>
            <numerusform>строках %1</numerusform>
            <numerusform>строках %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column(s) %1</source>
        <translation>
            <numerusform>столбце %1</numerusform>
            <numerusform>столбцах %1</numerusform>
            <numerusform>столбцах %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>row %1, column(s) %2</source>
        <extracomment>Cells of one row: %1 the row, %2 their columns (&quot;1–3 and 7&quot;). %n: how many columns.</extracomment>
        <translation>
            <numerusform>строке %1, столбце %2</numerusform>
            <numerusform>строке %1, столбцах %2</numerusform>
            <numerusform>строке %1, столбцах %2</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1, column %2</source>
        <extracomment>Cells of one column: %1 their rows (&quot;2 and 5&quot;), %2 the column.</extracomment>
        <translation>строках %1, столбце %2</translation>
    </message>
    <message>
        <source>rows %1 and %2, columns %3 and %4</source>
        <extracomment>The four corners of a rectangle: rows %1 and %2, columns %3 and %4.</extracomment>
        <translation>строках %1 и %2, столбцах %3 и %4</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A run of consecutive numbers, as in &quot;columns 1–3&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Lists: %1 the items so far, %2 the next one. &quot;3, 5&quot; then &quot;3, 5 and 7&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of alternatives: &quot;4 or 6&quot;, &quot;2, 4 or 6&quot;.</extracomment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Groups of cells or of removals that hold lists themselves: &quot;row 1, columns 1–3; row 4&quot;.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 leave(s) %2</source>
        <extracomment>Candidates a step removes: %1 the digits (&quot;7 and 8&quot;), %2 the cells. %n: how many digits.</extracomment>
        <translation>
            <numerusform>в %2 исключается %1</numerusform>
            <numerusform>в %2 исключаются %1</numerusform>
            <numerusform>в %2 исключаются %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A cell with its candidates: %1 the cell, %2 the digits.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>In a forcing chain: digit %1 in cell %2.</extracomment>
        <translation>%1 в %2</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <extracomment>In a forcing chain: cell %1 takes digit %2.</extracomment>
        <translation>в %1 стоит %2</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1: %2.</source>
        <extracomment>A step of a hint: %1 the technique&apos;s name, %2 what it shows.</extracomment>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>Then %1</source>
        <extracomment>Every step of a hint after the first: %1 is that step, its name starting in lower case.</extracomment>
        <translation>Затем %1</translation>
    </message>
    <message>
        <source>%1 is the last empty cell of %2, so it takes %3</source>
        <extracomment>%1 a cell, %2 its row, column or box, %3 the digit.</extracomment>
        <translation>последняя пустая клетка в %2 — в %1, поэтому там стоит %3</translation>
    </message>
    <message>
        <source>%1 can hold only %2</source>
        <extracomment>%1 a cell, %2 the one digit left for it.</extracomment>
        <translation>в %1 может стоять только %2</translation>
    </message>
    <message>
        <source>%1 can go only in %2 within %3</source>
        <extracomment>%1 a digit, %2 a cell, %3 the row, column or box.</extracomment>
        <translation>в %3 цифра %1 может стоять только в %2</translation>
    </message>
    <message>
        <source>in %1, the digit %2 lies only in %3, so %4</source>
        <extracomment>%1 a box or line, %2 a digit, %3 the line or box its places there lie in, %4 what follows: a hidden single or the removed candidates.</extracomment>
        <translation>в %1 цифра %2 может стоять только в %3, поэтому %4</translation>
    </message>
    <message>
        <source>in %1, %2 hold only the digits %3, so %4</source>
        <extracomment>%1 a unit, %2 the cells there, %3 the digits, %4 the removed candidates.</extracomment>
        <translation>в %1 клетки в %2 содержат только цифры %3, поэтому %4</translation>
    </message>
    <message>
        <source>in %1, the digits %2 must fill %3, so %4</source>
        <extracomment>%1 a unit, %2 the digits, %3 the cells they must fill, %4 the removed candidates.</extracomment>
        <translation>в %1 цифры %2 должны стоять в %3, поэтому %4</translation>
    </message>
    <message>
        <source>in %1, the digits %2 must fill %3, so %4 can go only in %5</source>
        <extracomment>As the hidden subset, then the single it leads to: digit %4 in cell %5.</extracomment>
        <translation>в %1 цифры %2 должны стоять в %3, поэтому %4 может стоять только в %5</translation>
    </message>
    <message>
        <source>%1 lies in %2 only within %3, so %4</source>
        <extracomment>%1 a digit, %2 the rows (or columns) it lies in, %3 the columns (or rows), %4 the removals.</extracomment>
        <translation>в %2 цифра %1 может стоять только в %3, поэтому %4</translation>
    </message>
    <message>
        <source>in %1, %2 can go only in %3 or %4, and in %5 only in %6 or %7; as %3 and %6 cannot both hold %2, either %4 or %7 holds it, so %8</source>
        <extracomment>Two strong links of digit %2: in unit %1 its places %3 and %4, in unit %5 its places %6 and %7; %3 and %6 see each other. %8 the removals.</extracomment>
        <translation>в %1 цифра %2 может стоять только в %3 или в %4, а в %5 — только в %6 или в %7; так как %2 не может стоять одновременно в %3 и в %6, она стоит в %4 или в %7, поэтому %8</translation>
    </message>
    <message>
        <source>pivot %1 with %2 and %3: one of the pincers holds %4, so %5</source>
        <extracomment>%1 the pivot, %2 and %3 the pincers, each with its candidates; %4 a digit, %5 the removals.</extracomment>
        <translation>опора в %1, клешни в %2 и в %3: в одной из клешней стоит %4, поэтому %5</translation>
    </message>
    <message>
        <source>pivot %1 with %2 and %3: one of the three holds %4, so %5</source>
        <translation>опора в %1, клешни в %2 и в %3: в одной из этих трёх клеток стоит %4, поэтому %5</translation>
    </message>
    <message>
        <source>either %1 or %2 holds %3 (the chain %4), so %5</source>
        <extracomment>%1 and %2 the chain&apos;s ends, %3 the digit, %4 the chain, %5 the removals.</extracomment>
        <translation>в %1 или в %2 стоит %3 (звенья цепочки — в %4), поэтому %5</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 holds another digit, so %4</source>
        <extracomment>Unique rectangle: %1 the corners, %2 the two digits, %3 the cell, %4 the removals.</extracomment>
        <translation>клетки в %1 позволили бы поменять %2 местами, если бы в %3 не было другой цифры, поэтому %4</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 is in %4 or %5, so %6</source>
        <extracomment>%1 the corners, %2 the two digits, %3 the extra digit, %4 and %5 two cells, %6 removals.</extracomment>
        <translation>клетки в %1 позволили бы поменять %2 местами, если бы %3 не было в %4 или в %5, поэтому %6</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 hold %4, which with %5 fill those cells of %6 with %7, so %8</source>
        <extracomment>%1 the corners, %2 the two digits, %3 two cells, %4 their extra digits, %5 other cells, %6 the unit, %7 the digits that fill them, %8 the removals.</extracomment>
        <translation>клетки в %1 позволили бы поменять %2 местами, если бы в %3 не было %4, которые вместе с клетками в %5 образуют в %6 открытый набор цифр %7, поэтому %8</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 hold %4; as %5 must be in one of them in %6, %7</source>
        <extracomment>%1 the corners, %2 the two digits, %3 two cells, %4 one digit of the two, %5 the other, %6 the unit, %7 the removals.</extracomment>
        <translation>клетки в %1 позволили бы поменять %2 местами, если бы в %3 не было %4; так как в %6 цифра %5 должна стоять в одной из этих клеток, %7</translation>
    </message>
    <message>
        <source>every other empty cell has two candidates, and without %1 in %2 each digit would have two places in every unit, so %2 takes %1</source>
        <extracomment>%1 a digit, %2 the one cell with three candidates.</extracomment>
        <translation>у каждой другой пустой клетки два кандидата, и без %1 в %2 у каждой цифры было бы два места в каждой группе, поэтому в %2 стоит %1</translation>
    </message>
    <message>
        <source>each digit %1 can hold, %2,</source>
        <extracomment>The forcing chain&apos;s start: %1 a cell, %2 its candidates as alternatives.</extracomment>
        <translation>каждая цифра, которая может стоять в %1, %2,</translation>
    </message>
    <message>
        <source>each place of %1 in %2 (%3)</source>
        <extracomment>The forcing chain&apos;s start: %1 a digit, %2 a unit, %3 the digit&apos;s places there.</extracomment>
        <translation>каждое место цифры %1 в %2 (в %3)</translation>
    </message>
    <message>
        <source>%1 leads to %2, so %3</source>
        <extracomment>%1 the forcing chain&apos;s start, %2 the digits it leads to, %3 the placements.</extracomment>
        <translation>%1 ведёт к %2, поэтому %3</translation>
    </message>
    <message>
        <source>%1 leads to the same removals, so %2</source>
        <translation>%1 ведёт к тем же исключениям, поэтому %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %2 forces a contradiction after %n placement(s), so %1 leaves that cell</source>
        <extracomment>%1 a digit, %2 a cell, %n how many placements it took to reach the contradiction.</extracomment>
        <translation>
            <numerusform>%1 в %2 приводит к противоречию после %n постановки, поэтому в этой клетке исключается %1</numerusform>
            <numerusform>%1 в %2 приводит к противоречию после %n постановок, поэтому в этой клетке исключается %1</numerusform>
            <numerusform>%1 в %2 приводит к противоречию после %n постановок, поэтому в этой клетке исключается %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no logical step was found; a search of every way of completing the grid proves that %1 cannot hold %2, so %2 leaves that cell</source>
        <extracomment>%1 a cell, %2 the digit it cannot hold.</extracomment>
        <translation>логический шаг не найден; перебор всех способов заполнить поле доказывает, что в %1 не может стоять %2, поэтому в этой клетке исключается %2</translation>
    </message>
    <message>
        <source>%1 leads to %2, so %3, and %4</source>
        <extracomment>%1 the forcing chain&apos;s start, %2 the digits it leads to, %3 the placements, %4 the removals beyond those the placements imply.</extracomment>
        <translation>%1 ведёт к %2, поэтому %3, а также %4</translation>
    </message>
</context>
<context>
    <name>Techniques</name>
    <message>
        <source>Full house</source>
        <translation>Последняя свободная клетка</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>Скрытая одиночка</translation>
    </message>
    <message>
        <source>Direct pointing</source>
        <translation>Прямое взаимодействие блок–линия</translation>
    </message>
    <message>
        <source>Direct claiming</source>
        <translation>Прямое взаимодействие линия–блок</translation>
    </message>
    <message>
        <source>Direct hidden pair</source>
        <translation>Прямая скрытая пара</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>Открытая одиночка</translation>
    </message>
    <message>
        <source>Direct hidden triple</source>
        <translation>Прямая скрытая тройка</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Взаимодействие блок–линия</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Взаимодействие линия–блок</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>Открытая пара</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>Скрытая пара</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>Открытая тройка</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Рыба-меч</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>Скрытая тройка</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>Небоскрёб</translation>
    </message>
    <message>
        <source>Two-string kite</source>
        <translation>Воздушный змей</translation>
    </message>
    <message>
        <source>Turbot fish</source>
        <translation>Рыба-тюрбо</translation>
    </message>
    <message>
        <source>XY-wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>Grouped turbot fish</source>
        <translation>Групповая рыба-тюрбо</translation>
    </message>
    <message>
        <source>XYZ-wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>Уникальный прямоугольник</translation>
    </message>
    <message>
        <source>Naked quad</source>
        <translation>Открытая четвёрка</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Медуза</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>Скрытая четвёрка</translation>
    </message>
    <message>
        <source>X-chain</source>
        <translation>X-цепочка</translation>
    </message>
    <message>
        <source>BUG+1</source>
        <translation>BUG+1</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>XY-цепочка</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>Вынуждающая цепочка</translation>
    </message>
    <message>
        <source>Trial</source>
        <translation>Перебор</translation>
    </message>
    <message>
        <source>Trial by search</source>
        <translation>Перебор с поиском</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Сгенерировать</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Решить</translation>
    </message>
    <message>
        <source>Check Diagram</source>
        <extracomment>Checks the grid: clashing digits, cells with no digit left, missing digits.</extracomment>
        <translation>Проверить поле</translation>
    </message>
    <message>
        <source>Clear blue numbers</source>
        <extracomment>Empties the cells the program filled in (drawn in blue).</extracomment>
        <translation>Стереть синие цифры</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Double-Click: Show available numbers for each block</source>
        <extracomment>Above the candidate panel; a double-click on it lists the digits still possible in each cell, box by box.</extracomment>
        <translation>Двойной щелчок: показать возможные цифры в каждом блоке</translation>
    </message>
</context>
<context>
    <name>frmLevel</name>
    <message>
        <source>&amp;1 Easy</source>
        <translation>&amp;1 Лёгкий</translation>
    </message>
    <message>
        <source>&amp;2 Medium</source>
        <translation>&amp;2 Средний</translation>
    </message>
    <message>
        <source>&amp;3 Hard</source>
        <translation>&amp;3 Сложный</translation>
    </message>
    <message>
        <source>&amp;4 Diabolical</source>
        <translation>&amp;4 Дьявольский</translation>
    </message>
    <message>
        <source>Generate a puzzle of the level:</source>
        <translation>Создать головоломку уровня:</translation>
    </message>
</context>
<context>
    <name>frmWait</name>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>Press Esc to cancel</source>
        <translation>Esc — отмена</translation>
    </message>
</context>
</TS>
