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
