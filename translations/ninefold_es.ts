<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>Candidates of row %1, column %2</source>
        <translation>Candidatos de la fila %1, columna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell without a digit, as a screen reader reads it.</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1, inicial</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>CheckDiagram</name>
    <message numerus="yes">
        <source>%n error(s) found in entries!</source>
        <extracomment>Stage 1 of the grid check: filled cells whose digit repeats in its row, column or box.</extracomment>
        <translation>
            <numerusform>¡%n error en los números introducidos!</numerusform>
            <numerusform>¡%n errores en los números introducidos!</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries matched.</source>
        <translation>No hay conflictos entre los números.</translation>
    </message>
    <message numerus="yes">
        <source>%n logical error(s) found!</source>
        <extracomment>Stage 2 of the grid check: empty cells where no digit can go any more.</extracomment>
        <translation>
            <numerusform>¡%n error lógico!</numerusform>
            <numerusform>¡%n errores lógicos!</numerusform>
        </translation>
    </message>
    <message>
        <source>No logical error found.</source>
        <translation>Ningún error lógico.</translation>
    </message>
    <message>
        <source>Correct this errors:</source>
        <extracomment>Stage 3 of the grid check: the list of boxes, rows and columns that lack digits follows.</extracomment>
        <translation>Corrige estos errores:</translation>
    </message>
    <message numerus="yes">
        <source>Error at square %1 for %n times.</source>
        <extracomment>%1 is a box as &quot;band,stack&quot; (for example 2,3); %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Caja %1: falta %n número.</numerusform>
            <numerusform>Caja %1: faltan %n números.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at row %1 for %n times.</source>
        <extracomment>%1 is the row&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Fila %1: falta %n número.</numerusform>
            <numerusform>Fila %1: faltan %n números.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Error at col %1 for %n times.</source>
        <extracomment>%1 is the column&apos;s number, 1 to 9; %n how many digits it lacks.</extracomment>
        <translation>
            <numerusform>Columna %1: falta %n número.</numerusform>
            <numerusform>Columna %1: faltan %n números.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 could not be saved!</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>¡No se pudo guardar %1!</translation>
    </message>
    <message>
        <source>%1 not found!</source>
        <extracomment>A file of the recent-files list is gone; %1 is its path.</extracomment>
        <translation>¡No se encontró %1!</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <extracomment>Asked after &quot;... not found!&quot;: whether to take the file off the recent-files list.</extracomment>
        <translation>¿Quitarlo de la lista?</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <extracomment>A paste or a dropped text that is not a line of 81 cells.</extracomment>
        <translation>El portapapeles no contiene ningún puzle.</translation>
    </message>
    <message>
        <source>Created by:</source>
        <extracomment>The About box: a heading line, then the authors indented below it.</extracomment>
        <translation>Creado por:</translation>
    </message>
    <message>
        <source>The Ninefold developers</source>
        <translation>Los desarrolladores de Ninefold</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Puzzle solved.</source>
        <extracomment>Shown by Check Diagram and by Solve when every cell is filled and nothing clashes.</extracomment>
        <translation>Puzle resuelto.</translation>
    </message>
    <message>
        <source>This puzzle is solved.</source>
        <translation>Este puzle ya está resuelto.</translation>
    </message>
    <message>
        <source>Please check entries.</source>
        <extracomment>Solve refuses: some digits clash.</extracomment>
        <translation>Revisa los números introducidos.</translation>
    </message>
    <message>
        <source>Please check logicality.</source>
        <extracomment>Solve refuses: some empty cell has no digit left that could go there.</extracomment>
        <translation>Revisa la lógica.</translation>
    </message>
    <message>
        <source>This puzzle hasn&apos;t any solution!</source>
        <translation>¡Este puzle no tiene solución!</translation>
    </message>
    <message>
        <source>Ready.</source>
        <extracomment>Generate found a puzzle at the first attempt.</extracomment>
        <translation>Listo.</translation>
    </message>
    <message numerus="yes">
        <source>%n Retry(ies)!</source>
        <extracomment>Generate needed %n further attempts to find a puzzle.</extracomment>
        <translation>
            <numerusform>¡%n reintento!</numerusform>
            <numerusform>¡%n reintentos!</numerusform>
        </translation>
    </message>
    <message>
        <source>Manual entries will be lost.</source>
        <extracomment>First line of the question before Game &gt; New empties the board.</extracomment>
        <translation>Se perderán los números introducidos.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Second line of the question before Game &gt; New empties the board.</extracomment>
        <translation>¿Seguro que quieres continuar?</translation>
    </message>
</context>
<context>
    <name>PuzzleFileDialog</name>
    <message>
        <source>NFD Files</source>
        <extracomment>The file type of puzzle files in the Load and Save as dialogs.</extracomment>
        <translation>Archivos NFD</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Check Diagram</source>
        <extracomment>Checks the grid: clashing digits, cells with no digit left, missing digits.</extracomment>
        <translation>Comprobar tablero</translation>
    </message>
    <message>
        <source>Clear blue numbers</source>
        <extracomment>Empties the cells the program filled in (drawn in blue).</extracomment>
        <translation>Borrar números azules</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Double-Click: Show available numbers for each block</source>
        <extracomment>Above the candidate panel; a double-click on it lists the digits still possible in each cell, box by box.</extracomment>
        <translation>Doble clic: mostrar los candidatos de cada caja</translation>
    </message>
</context>
<context>
    <name>frmWait</name>
    <message>
        <source>Please wait...</source>
        <translation>Por favor, espera...</translation>
    </message>
    <message>
        <source>Press Esc to cancel</source>
        <translation>Pulsa Esc para cancelar</translation>
    </message>
</context>
</TS>
