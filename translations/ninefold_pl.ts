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
    <name>Hints</name>
    <message>
        <source>Look at %1: a %2.</source>
        <extracomment>The clue: where to look (%1: a unit, or &quot;the 4s&quot;) and the technique (%2), in lower case unless its name is spelled with capitals. Two forms only for English&apos;s &quot;a&quot; and &quot;an&quot;.</extracomment>
        <translation>%2 — szukaj w %1.</translation>
    </message>
    <message>
        <source>Look at %1: an %2.</source>
        <translation>%2 — szukaj w %1.</translation>
    </message>
    <message>
        <source>the %1s</source>
        <extracomment>In the clue, every place of digit %1 in the grid.</extracomment>
        <translation>rozmieszczeniu cyfry %1</translation>
    </message>
    <message>
        <source>The %1 in %2 cannot be right.</source>
        <extracomment>The hint refuses: the player&apos;s digit %1 in cell %2 is not the solution&apos;s.</extracomment>
        <translation>Cyfra %1 w %2 nie może być poprawna.</translation>
    </message>
    <message>
        <source>No solution keeps the digits on the board.</source>
        <translation>Żadne rozwiązanie nie zachowuje cyfr na diagramie.</translation>
    </message>
    <message>
        <source>The digits on the board allow more than one solution, so no step follows from them.</source>
        <translation>Cyfry na diagramie dopuszczają więcej niż jedno rozwiązanie, więc nie wynika z nich żaden krok.</translation>
    </message>
    <message>
        <source>Every cell is filled: there is no step left.</source>
        <translation>Wszystkie pola są wypełnione: nie został żaden krok.</translation>
    </message>
    <message>
        <source>Some digits clash: %1 repeats in %2.</source>
        <extracomment>The hint refuses: %1 a digit that repeats in one row or column, %2 its cells (which name that row or column).</extracomment>
        <translation>Cyfry są sprzeczne: %1 powtarza się w %2.</translation>
    </message>
    <message>
        <source>Some digits clash: %1 repeats in %2: %3.</source>
        <extracomment>The hint refuses: %1 a digit, %2 the box it repeats in, %3 its cells.</extracomment>
        <translation>Cyfry są sprzeczne: %1 powtarza się w %2: w %3.</translation>
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
    <name>StepWords</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell: %1 is its row, %2 its column, both 1 to 9.</extracomment>
        <translation>wierszu %1, kolumnie %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wierszu %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolumnie %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>bloku %1</translation>
    </message>
    <message numerus="yes">
        <source>row(s) %1</source>
        <extracomment>Several rows or columns of the grid; %1 lists their numbers (&quot;1, 4 and 7&quot;). %n: how many.</extracomment>
        <translation>
            <numerusform>wierszu %1</numerusform>
            <numerusform>wierszach %1</numerusform>
            <numerusform>wierszach %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column(s) %1</source>
        <translation>
            <numerusform>kolumnie %1</numerusform>
            <numerusform>kolumnach %1</numerusform>
            <numerusform>kolumnach %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>row %1, column(s) %2</source>
        <extracomment>Cells of one row: %1 the row, %2 their columns (&quot;1–3 and 7&quot;). %n: how many columns.</extracomment>
        <translation>
            <numerusform>wierszu %1, kolumnie %2</numerusform>
            <numerusform>wierszu %1, kolumnach %2</numerusform>
            <numerusform>wierszu %1, kolumnach %2</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1, column %2</source>
        <extracomment>Cells of one column: %1 their rows (&quot;2 and 5&quot;), %2 the column.</extracomment>
        <translation>wierszach %1, kolumnie %2</translation>
    </message>
    <message>
        <source>rows %1 and %2, columns %3 and %4</source>
        <extracomment>The four corners of a rectangle: rows %1 and %2, columns %3 and %4.</extracomment>
        <translation>wierszach %1 i %2, kolumnach %3 i %4</translation>
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
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of alternatives: &quot;4 or 6&quot;, &quot;2, 4 or 6&quot;.</extracomment>
        <translation>%1 lub %2</translation>
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
            <numerusform>w %2 skreśla się %1</numerusform>
            <numerusform>w %2 skreśla się %1</numerusform>
            <numerusform>w %2 skreśla się %1</numerusform>
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
        <translation>%1 w %2</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <extracomment>In a forcing chain: cell %1 takes digit %2.</extracomment>
        <translation>w %1 stoi %2</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1: %2.</source>
        <extracomment>A step of a hint: %1 the technique&apos;s name, %2 what it shows.</extracomment>
        <translation>„%1”: %2.</translation>
    </message>
    <message>
        <source>Then %1</source>
        <extracomment>Every step of a hint after the first: %1 is that step, its name starting in lower case.</extracomment>
        <translation>Następnie %1</translation>
    </message>
    <message>
        <source>%1 is the last empty cell of %2, so it takes %3</source>
        <extracomment>%1 a cell, %2 its row, column or box, %3 the digit.</extracomment>
        <translation>ostatnie puste pole w %2 jest w %1, więc stoi tam %3</translation>
    </message>
    <message>
        <source>%1 can hold only %2</source>
        <extracomment>%1 a cell, %2 the one digit left for it.</extracomment>
        <translation>w %1 może stać tylko %2</translation>
    </message>
    <message>
        <source>%1 can go only in %2 within %3</source>
        <extracomment>%1 a digit, %2 a cell, %3 the row, column or box.</extracomment>
        <translation>w %3 cyfra %1 może stać tylko w %2</translation>
    </message>
    <message>
        <source>in %1, the digit %2 lies only in %3, so %4</source>
        <extracomment>%1 a box or line, %2 a digit, %3 the line or box its places there lie in, %4 what follows: a hidden single or the removed candidates.</extracomment>
        <translation>w %1 cyfra %2 może stać tylko w %3, więc %4</translation>
    </message>
    <message>
        <source>in %1, %2 hold only the digits %3, so %4</source>
        <extracomment>%1 a unit, %2 the cells there, %3 the digits, %4 the removed candidates.</extracomment>
        <translation>w %1 pola w %2 zawierają tylko cyfry %3, więc %4</translation>
    </message>
    <message>
        <source>in %1, the digits %2 must fill %3, so %4</source>
        <extracomment>%1 a unit, %2 the digits, %3 the cells they must fill, %4 the removed candidates.</extracomment>
        <translation>w %1 cyfry %2 muszą stać w %3, więc %4</translation>
    </message>
    <message>
        <source>in %1, the digits %2 must fill %3, so %4 can go only in %5</source>
        <extracomment>As the hidden subset, then the single it leads to: digit %4 in cell %5.</extracomment>
        <translation>w %1 cyfry %2 muszą stać w %3, więc %4 może stać tylko w %5</translation>
    </message>
    <message>
        <source>%1 lies in %2 only within %3, so %4</source>
        <extracomment>%1 a digit, %2 the rows (or columns) it lies in, %3 the columns (or rows), %4 the removals.</extracomment>
        <translation>w %2 cyfra %1 może stać tylko w %3, więc %4</translation>
    </message>
    <message>
        <source>in %1, %2 can go only in %3 or %4, and in %5 only in %6 or %7; as %3 and %6 cannot both hold %2, either %4 or %7 holds it, so %8</source>
        <extracomment>Two strong links of digit %2: in unit %1 its places %3 and %4, in unit %5 its places %6 and %7; %3 and %6 see each other. %8 the removals.</extracomment>
        <translation>w %1 cyfra %2 może stać tylko w %3 lub w %4, a w %5 — tylko w %6 lub w %7; ponieważ %2 nie może stać jednocześnie w %3 i w %6, stoi w %4 lub w %7, więc %8</translation>
    </message>
    <message>
        <source>pivot %1 with %2 and %3: one of the pincers holds %4, so %5</source>
        <extracomment>%1 the pivot, %2 and %3 the pincers, each with its candidates; %4 a digit, %5 the removals.</extracomment>
        <translation>oś w %1, ramiona w %2 i w %3: w jednym z ramion stoi %4, więc %5</translation>
    </message>
    <message>
        <source>pivot %1 with %2 and %3: one of the three holds %4, so %5</source>
        <translation>oś w %1, ramiona w %2 i w %3: w jednym z tych trzech pól stoi %4, więc %5</translation>
    </message>
    <message>
        <source>either %1 or %2 holds %3 (the chain %4), so %5</source>
        <extracomment>%1 and %2 the chain&apos;s ends, %3 the digit, %4 the chain, %5 the removals.</extracomment>
        <translation>w %1 lub w %2 stoi %3 (ogniwa łańcucha w %4), więc %5</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 holds another digit, so %4</source>
        <extracomment>Unique rectangle: %1 the corners, %2 the two digits, %3 the cell, %4 the removals.</extracomment>
        <translation>pola w %1 pozwoliłyby zamienić %2 miejscami, gdyby w %3 nie było innej cyfry, więc %4</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 is in %4 or %5, so %6</source>
        <extracomment>%1 the corners, %2 the two digits, %3 the extra digit, %4 and %5 two cells, %6 removals.</extracomment>
        <translation>pola w %1 pozwoliłyby zamienić %2 miejscami, gdyby %3 nie było w %4 lub w %5, więc %6</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 hold %4, which with %5 fill those cells of %6 with %7, so %8</source>
        <extracomment>%1 the corners, %2 the two digits, %3 two cells, %4 their extra digits, %5 other cells, %6 the unit, %7 the digits that fill them, %8 the removals.</extracomment>
        <translation>pola w %1 pozwoliłyby zamienić %2 miejscami, gdyby w %3 nie było %4, które razem z polami w %5 tworzą w %6 nagi zestaw cyfr %7, więc %8</translation>
    </message>
    <message>
        <source>%1 would let %2 swap places unless %3 hold %4; as %5 must be in one of them in %6, %7</source>
        <extracomment>%1 the corners, %2 the two digits, %3 two cells, %4 one digit of the two, %5 the other, %6 the unit, %7 the removals.</extracomment>
        <translation>pola w %1 pozwoliłyby zamienić %2 miejscami, gdyby w %3 nie było %4; ponieważ w %6 cyfra %5 musi stać w jednym z tych pól, %7</translation>
    </message>
    <message>
        <source>every other empty cell has two candidates, and without %1 in %2 each digit would have two places in every unit, so %2 takes %1</source>
        <extracomment>%1 a digit, %2 the one cell with three candidates.</extracomment>
        <translation>każde inne puste pole ma dwóch kandydatów, a bez %1 w %2 każda cyfra miałaby dwa miejsca w każdej jednostce, więc w %2 stoi %1</translation>
    </message>
    <message>
        <source>each digit %1 can hold, %2,</source>
        <extracomment>The forcing chain&apos;s start: %1 a cell, %2 its candidates as alternatives.</extracomment>
        <translation>każda cyfra, która może stać w %1, %2,</translation>
    </message>
    <message>
        <source>each place of %1 in %2 (%3)</source>
        <extracomment>The forcing chain&apos;s start: %1 a digit, %2 a unit, %3 the digit&apos;s places there.</extracomment>
        <translation>każde miejsce cyfry %1 w %2 (w %3)</translation>
    </message>
    <message>
        <source>%1 leads to %2, so %3</source>
        <extracomment>%1 the forcing chain&apos;s start, %2 the digits it leads to, %3 the placements.</extracomment>
        <translation>%1 prowadzi do %2, więc %3</translation>
    </message>
    <message>
        <source>%1 leads to the same removals, so %2</source>
        <translation>%1 prowadzi do tych samych skreśleń, więc %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %2 forces a contradiction after %n placement(s), so %1 leaves that cell</source>
        <extracomment>%1 a digit, %2 a cell, %n how many placements it took to reach the contradiction.</extracomment>
        <translation>
            <numerusform>%1 w %2 prowadzi do sprzeczności po %n wpisie, więc w tym polu skreśla się %1</numerusform>
            <numerusform>%1 w %2 prowadzi do sprzeczności po %n wpisach, więc w tym polu skreśla się %1</numerusform>
            <numerusform>%1 w %2 prowadzi do sprzeczności po %n wpisach, więc w tym polu skreśla się %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no logical step was found; a search of every way of completing the grid proves that %1 cannot hold %2, so %2 leaves that cell</source>
        <extracomment>%1 a cell, %2 the digit it cannot hold.</extracomment>
        <translation>nie znaleziono logicznego kroku; przeszukanie wszystkich sposobów uzupełnienia diagramu dowodzi, że w %1 nie może stać %2, więc w tym polu skreśla się %2</translation>
    </message>
    <message>
        <source>%1 leads to %2, so %3, and %4</source>
        <extracomment>%1 the forcing chain&apos;s start, %2 the digits it leads to, %3 the placements, %4 the removals beyond those the placements imply.</extracomment>
        <translation>%1 prowadzi do %2, więc %3, a także %4</translation>
    </message>
</context>
<context>
    <name>Techniques</name>
    <message>
        <source>Full house</source>
        <translation>Ostatnie wolne pole</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>Ukryta jedynka</translation>
    </message>
    <message>
        <source>Direct pointing</source>
        <translation>Bezpośrednia blokada blok–linia</translation>
    </message>
    <message>
        <source>Direct claiming</source>
        <translation>Bezpośrednia blokada linia–blok</translation>
    </message>
    <message>
        <source>Direct hidden pair</source>
        <translation>Bezpośrednia ukryta para</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>Naga jedynka</translation>
    </message>
    <message>
        <source>Direct hidden triple</source>
        <translation>Bezpośrednia ukryta trójka</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Blokada blok–linia</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Blokada linia–blok</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>Naga para</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>Ukryta para</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>Naga trójka</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Swordfish</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>Ukryta trójka</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>Drapacz chmur</translation>
    </message>
    <message>
        <source>Two-string kite</source>
        <translation>Latawiec</translation>
    </message>
    <message>
        <source>Turbot fish</source>
        <translation>Ryba turbot</translation>
    </message>
    <message>
        <source>XY-wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>Grouped turbot fish</source>
        <translation>Grupowa ryba turbot</translation>
    </message>
    <message>
        <source>XYZ-wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>Unikalny prostokąt</translation>
    </message>
    <message>
        <source>Naked quad</source>
        <translation>Naga czwórka</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>Ukryta czwórka</translation>
    </message>
    <message>
        <source>X-chain</source>
        <translation>Łańcuch X</translation>
    </message>
    <message>
        <source>BUG+1</source>
        <translation>BUG+1</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>Łańcuch XY</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>Łańcuch wymuszający</translation>
    </message>
    <message>
        <source>Trial</source>
        <translation>Próba</translation>
    </message>
    <message>
        <source>Trial by search</source>
        <translation>Próba z przeszukiwaniem</translation>
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
    <name>frmLevel</name>
    <message>
        <source>&amp;1 Easy</source>
        <translation>&amp;1 Łatwy</translation>
    </message>
    <message>
        <source>&amp;2 Medium</source>
        <translation>&amp;2 Średni</translation>
    </message>
    <message>
        <source>&amp;3 Hard</source>
        <translation>&amp;3 Trudny</translation>
    </message>
    <message>
        <source>&amp;4 Diabolical</source>
        <translation>&amp;4 Diabelski</translation>
    </message>
    <message>
        <source>Generate a puzzle of the level:</source>
        <translation>Utwórz łamigłówkę o poziomie:</translation>
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
