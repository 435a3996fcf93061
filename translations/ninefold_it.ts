<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Candidates of row %1, column %2</source>
        <translation>Candidati della riga %1, colonna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell without a digit, as a screen reader reads it.</extracomment>
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1, iniziale</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
</context>
<context>
    <name>CheckDiagram</name>
    <message numerus="yes">
        <source>%n error(s) found in entries!</source>
        <extracomment>Stage 1 of the grid check: filled cells whose digit repeats in its row, column or box.</extracomment>
        <translation>
            <numerusform>%n errore nei numeri inseriti!</numerusform>
            <numerusform>%n errori nei numeri inseriti!</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries matched.</source>
        <translation>Nessun conflitto tra i numeri inseriti.</translation>
    </message>
    <message numerus="yes">
        <source>%n logical error(s) found!</source>
        <extracomment>Stage 2 of the grid check: empty cells where no digit can go any more.</extracomment>
        <translation>
            <numerusform>%n errore logico!</numerusform>
            <numerusform>%n errori logici!</numerusform>
        </translation>
    </message>
    <message>
        <source>No logical error found.</source>
        <translation>Nessun errore logico.</translation>
    </message>
    <message>
        <source>Correct this errors:</source>
        <extracomment>Stage 3 of the grid check: the list of boxes, rows and columns that lack digits follows.</extracomment>
        <translation>Correggi questi errori:</translation>
    </message>
    <message numerus="yes">
        <source>Error at square %1 for %n times.</source>
        <extracomment>%1 is a box as &quot;band,stack&quot; (for example 2,3); %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Riquadro %1: manca %n numero.</numerusform>
            <numerusform>Riquadro %1: mancano %n numeri.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at row %1 for %n times.</source>
        <extracomment>%1 is the row&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Riga %1: manca %n numero.</numerusform>
            <numerusform>Riga %1: mancano %n numeri.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at col %1 for %n times.</source>
        <extracomment>%1 is the column&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Colonna %1: manca %n numero.</numerusform>
            <numerusform>Colonna %1: mancano %n numeri.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 could not be saved!</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Impossibile salvare %1!</translation>
    </message>
    <message>
        <source>%1 not found!</source>
        <extracomment>A file of the recent-files list is gone; %1 is its path.</extracomment>
        <translation>%1 non trovato!</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <extracomment>Asked after &quot;... not found!&quot;: whether to take the file off the recent-files list.</extracomment>
        <translation>Rimuoverlo dall&apos;elenco?</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <extracomment>A paste or a dropped text that is not a line of 81 cells.</extracomment>
        <translation>Negli appunti non c&apos;è nessuno schema.</translation>
    </message>
    <message>
        <source>Created by:</source>
        <extracomment>The About box: a heading line, then the authors indented below it.</extracomment>
        <translation>Creato da:</translation>
    </message>
    <message>
        <source>The Ninefold developers</source>
        <translation>Gli sviluppatori di Ninefold</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Puzzle solved.</source>
        <extracomment>Shown by Check Diagram and by Solve when every cell is filled and nothing clashes.</extracomment>
        <translation>Schema risolto.</translation>
    </message>
    <message>
        <source>This puzzle is solved.</source>
        <translation>Questo schema è già risolto.</translation>
    </message>
    <message>
        <source>Please check entries.</source>
        <extracomment>Solve refuses: some digits clash.</extracomment>
        <translation>Controlla i numeri inseriti.</translation>
    </message>
    <message>
        <source>Please check logicality.</source>
        <extracomment>Solve refuses: some empty cell has no digit left that could go there.</extracomment>
        <translation>Controlla la logica.</translation>
    </message>
    <message>
        <source>This puzzle hasn&apos;t any solution!</source>
        <translation>Questo schema non ha soluzione!</translation>
    </message>
    <message>
        <source>Ready.</source>
        <extracomment>Generate found a puzzle at the first attempt.</extracomment>
        <translation>Pronto.</translation>
    </message>
    <message numerus="yes">
        <source>%n Retry(ies)!</source>
        <extracomment>Generate needed %n further attempts to find a puzzle.</extracomment>
        <translation>
            <numerusform>%n nuovo tentativo!</numerusform>
            <numerusform>%n nuovi tentativi!</numerusform>
        </translation>
    </message>
    <message>
        <source>Manual entries will be lost.</source>
        <extracomment>First line of the question before Game &gt; New empties the board.</extracomment>
        <translation>I numeri inseriti andranno persi.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Second line of the question before Game &gt; New empties the board.</extracomment>
        <translation>Vuoi continuare?</translation>
    </message>
</context>
<context>
    <name>PuzzleFileDialog</name>
    <message>
        <source>NFD Files</source>
        <extracomment>The file type of puzzle files in the Load and Save as dialogs.</extracomment>
        <translation>File NFD</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Check Diagram</source>
        <extracomment>Checks the grid: clashing digits, cells with no digit left, missing digits.</extracomment>
        <translation>Verifica schema</translation>
    </message>
    <message>
        <source>Clear blue numbers</source>
        <extracomment>Empties the cells the program filled in (drawn in blue).</extracomment>
        <translation>Cancella numeri blu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Double-Click: Show available numbers for each block</source>
        <extracomment>Above the candidate panel; a double-click on it lists the digits still possible in each cell, box by box.</extracomment>
        <translation>Doppio clic: mostra i candidati di ogni riquadro</translation>
    </message>
</context>
<context>
    <name>frmWait</name>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Press Esc to cancel</source>
        <translation>Premi Esc per annullare</translation>
    </message>
</context>
</TS>
