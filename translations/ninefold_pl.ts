<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessibility</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>Candidates of row %1, column %2</source>
        <translation>Kandydaci: wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell without a digit, as a screen reader reads it.</extracomment>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1, podana</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>CheckDiagram</name>
    <message numerus="yes">
        <source>%n error(s) found in entries!</source>
        <extracomment>Stage 1 of the grid check: filled cells whose digit repeats in its row, column or box.</extracomment>
        <translation>
            <numerusform>Znaleziono %n błąd we wpisach!</numerusform>
            <numerusform>Znaleziono %n błędy we wpisach!</numerusform>
            <numerusform>Znaleziono %n błędów we wpisach!</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries matched.</source>
        <translation>Wpisy są zgodne.</translation>
    </message>
    <message numerus="yes">
        <source>%n logical error(s) found!</source>
        <extracomment>Stage 2 of the grid check: empty cells where no digit can go any more.</extracomment>
        <translation>
            <numerusform>Znaleziono %n błąd logiczny!</numerusform>
            <numerusform>Znaleziono %n błędy logiczne!</numerusform>
            <numerusform>Znaleziono %n błędów logicznych!</numerusform>
        </translation>
    </message>
    <message>
        <source>No logical error found.</source>
        <translation>Nie znaleziono błędów logicznych.</translation>
    </message>
    <message>
        <source>Correct this errors:</source>
        <extracomment>Stage 3 of the grid check: the list of boxes, rows and columns that lack digits follows.</extracomment>
        <translation>Popraw te błędy:</translation>
    </message>
    <message numerus="yes">
        <source>Error at square %1 for %n times.</source>
        <extracomment>%1 is a box as &quot;band,stack&quot; (for example 2,3); %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Blok %1: brakuje %n cyfry.</numerusform>
            <numerusform>Blok %1: brakuje %n cyfr.</numerusform>
            <numerusform>Blok %1: brakuje %n cyfr.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at row %1 for %n times.</source>
        <extracomment>%1 is the row&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Wiersz %1: brakuje %n cyfry.</numerusform>
            <numerusform>Wiersz %1: brakuje %n cyfr.</numerusform>
            <numerusform>Wiersz %1: brakuje %n cyfr.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at col %1 for %n times.</source>
        <extracomment>%1 is the column&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Kolumna %1: brakuje %n cyfry.</numerusform>
            <numerusform>Kolumna %1: brakuje %n cyfr.</numerusform>
            <numerusform>Kolumna %1: brakuje %n cyfr.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 could not be saved!</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Nie udało się zapisać %1!</translation>
    </message>
    <message>
        <source>%1 not found!</source>
        <extracomment>A file of the recent-files list is gone; %1 is its path.</extracomment>
        <translation>Nie znaleziono %1!</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <extracomment>Asked after &quot;... not found!&quot;: whether to take the file off the recent-files list.</extracomment>
        <translation>Usunąć z listy?</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <extracomment>A paste or a dropped text that is not a line of 81 cells.</extracomment>
        <translation>Schowek nie zawiera łamigłówki.</translation>
    </message>
    <message>
        <source>Created by:</source>
        <extracomment>The About box: a heading line, then the authors indented below it.</extracomment>
        <translation>Autorzy:</translation>
    </message>
    <message>
        <source>The Ninefold developers</source>
        <translation>Zespół Ninefold</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Puzzle solved.</source>
        <extracomment>Shown by Check Diagram and by Solve when every cell is filled and nothing clashes.</extracomment>
        <translation>Łamigłówka rozwiązana.</translation>
    </message>
    <message>
        <source>This puzzle is solved.</source>
        <translation>Ta łamigłówka jest już rozwiązana.</translation>
    </message>
    <message>
        <source>Please check entries.</source>
        <extracomment>Solve refuses: some digits clash.</extracomment>
        <translation>Sprawdź wpisy.</translation>
    </message>
    <message>
        <source>Please check logicality.</source>
        <extracomment>Solve refuses: some empty cell has no digit left that could go there.</extracomment>
        <translation>Sprawdź logikę.</translation>
    </message>
    <message>
        <source>This puzzle hasn&apos;t any solution!</source>
        <translation>Ta łamigłówka nie ma rozwiązania!</translation>
    </message>
    <message>
        <source>Ready.</source>
        <extracomment>Generate found a puzzle at the first attempt.</extracomment>
        <translation>Gotowe.</translation>
    </message>
    <message numerus="yes">
        <source>%n Retry(ies)!</source>
        <extracomment>Generate needed %n further attempts to find a puzzle.</extracomment>
        <translation>
            <numerusform>%n ponowna próba!</numerusform>
            <numerusform>%n ponowne próby!</numerusform>
            <numerusform>%n ponownych prób!</numerusform>
        </translation>
    </message>
    <message>
        <source>Manual entries will be lost.</source>
        <extracomment>First line of the question before Game &gt; New empties the board.</extracomment>
        <translation>Wpisane cyfry zostaną utracone.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Second line of the question before Game &gt; New empties the board.</extracomment>
        <translation>Czy na pewno?</translation>
    </message>
</context>
<context>
    <name>PuzzleFileDialog</name>
    <message>
        <source>NFD Files</source>
        <extracomment>The file type of puzzle files in the Load and Save as dialogs.</extracomment>
        <translation>Pliki NFD</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generuj</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Check Diagram</source>
        <extracomment>Checks the grid: clashing digits, cells with no digit left, missing digits.</extracomment>
        <translation>Sprawdź diagram</translation>
    </message>
    <message>
        <source>Clear blue numbers</source>
        <extracomment>Empties the cells the program filled in (drawn in blue).</extracomment>
        <translation>Wyczyść niebieskie cyfry</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Double-Click: Show available numbers for each block</source>
        <extracomment>Above the candidate panel; a double-click on it lists the digits still possible in each cell, box by box.</extracomment>
        <translation>Dwuklik: pokaż możliwe cyfry w każdym bloku</translation>
    </message>
</context>
<context>
    <name>frmWait</name>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>Press Esc to cancel</source>
        <translation>Esc – anuluj</translation>
    </message>
</context>
</TS>
