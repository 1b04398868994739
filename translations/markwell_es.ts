<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>AssignmentChoosing</name>
    <message>
        <source>there is no assignment %1 (the class has %2)</source>
        <translation>no existe la actividad %1 (la clase tiene %2)</translation>
    </message>
    <message>
        <source>no assignment is called &quot;%1&quot;</source>
        <translation>ninguna actividad se llama «%1»</translation>
    </message>
</context>
<context>
    <name>AssignmentEditing</name>
    <message>
        <source>Invalid assignment title!</source>
        <translation>¡Título de actividad no válido!</translation>
    </message>
    <message>
        <source>Invalid assignment type!</source>
        <translation>¡Tipo de actividad no válido!</translation>
    </message>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>description</source>
        <translation>descripción</translation>
    </message>
    <message>
        <source>Choose the assignment to change first.</source>
        <translation>Elija primero la actividad que quiere modificar.</translation>
    </message>
</context>
<context>
    <name>AssignmentListPrintout</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&lt; None &gt;</source>
        <translation>&lt; Ninguna &gt;</translation>
    </message>
    <message>
        <source>Assignment Information</source>
        <translation>Información de las actividades</translation>
    </message>
</context>
<context>
    <name>AssignmentTypes</name>
    <message>
        <source>Final</source>
        <translation>Examen final</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Examen</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Homework</source>
        <translation>Deberes</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Prácticas</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Unable to create %1</source>
        <translation>No se puede crear %1</translation>
    </message>
    <message>
        <source>Unable to create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
</context>
<context>
    <name>AttendanceAnalysis</name>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Tardy</source>
        <translation>Retrasos</translation>
    </message>
    <message>
        <source>Unexcused</source>
        <translation>Injustificadas</translation>
    </message>
    <message>
        <source>Excused</source>
        <translation>Justificadas</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>AttendanceChanges</name>
    <message>
        <source>There is no month %1 to mark.</source>
        <translation>No existe el mes %1 para anotar.</translation>
    </message>
    <message>
        <source>%1/%2 is not a day to mark.</source>
        <translation>El %1/%2 no es un día que se pueda anotar.</translation>
    </message>
    <message>
        <source>Mark Attendance</source>
        <translation>Anotar asistencia</translation>
    </message>
</context>
<context>
    <name>AttendanceFile</name>
    <message>
        <source>The attendance cannot be saved: the name of record %1 %2.</source>
        <translation>No se puede guardar la asistencia: el nombre del registro %1 %2.</translation>
    </message>
    <message>
        <source>The attendance cannot be saved: record %1 holds month %2.</source>
        <translation>No se puede guardar la asistencia: el registro %1 contiene el mes %2.</translation>
    </message>
    <message>
        <source>record %1 holds month %2</source>
        <translation>el registro %1 contiene el mes %2</translation>
    </message>
    <message>
        <source>the name of record %1 does not end within its %2 bytes</source>
        <translation>el nombre del registro %1 no termina dentro de sus %2 bytes</translation>
    </message>
    <message>
        <source>it is shorter than one record of %1 bytes</source>
        <translation>es más corto que un registro de %1 bytes</translation>
    </message>
    <message>
        <source>The file %1 is damaged or is not an attendance file: %2.</source>
        <translation>El archivo %1 está dañado o no es un archivo de asistencia: %2.</translation>
    </message>
</context>
<context>
    <name>AttendanceTable</name>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>ClassChanges</name>
    <message>
        <source>Sort by %1</source>
        <translation>Ordenar por %1</translation>
    </message>
    <message>
        <source>There are no students to sort.</source>
        <translation>No hay alumnos que ordenar.</translation>
    </message>
    <message>
        <source>Weighted Grades</source>
        <translation>Notas ponderadas</translation>
    </message>
    <message>
        <source>Drop Lowest Score</source>
        <translation>Descartar la nota más baja</translation>
    </message>
    <message>
        <source>Grade Scale</source>
        <translation>Escala de calificaciones</translation>
    </message>
    <message>
        <source>Grid Lines</source>
        <translation>Líneas de cuadrícula</translation>
    </message>
</context>
<context>
    <name>ClassDifferences</name>
    <message>
        <source>score</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>possible points</source>
        <translation>puntos posibles</translation>
    </message>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>type</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>student added</source>
        <translation>alumno añadido</translation>
    </message>
    <message>
        <source>student removed</source>
        <translation>alumno eliminado</translation>
    </message>
    <message>
        <source>student renamed</source>
        <translation>alumno renombrado</translation>
    </message>
    <message>
        <source>assignment added</source>
        <translation>actividad añadida</translation>
    </message>
    <message>
        <source>assignment removed</source>
        <translation>actividad eliminada</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>escala</translation>
    </message>
    <message>
        <source>weights</source>
        <translation>ponderación</translation>
    </message>
    <message>
        <source>drop rule</source>
        <translation>regla de descarte</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>comentario</translation>
    </message>
    <message>
        <source>attendance</source>
        <translation>asistencia</translation>
    </message>
    <message>
        <source>seats</source>
        <translation>asientos</translation>
    </message>
</context>
<context>
    <name>ClassLocks</name>
    <message>
        <source>Unable to lock %1: the lock file cannot be made in %2.</source>
        <translation>No se puede bloquear %1: no se puede crear el archivo de bloqueo en %2.</translation>
    </message>
    <message>
        <source>%1 is being changed by another program; nothing was written. Try again once it is done.</source>
        <translation>Otro programa está modificando %1; no se ha escrito nada. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>%1 (its lock %2 cannot be made, and a class is never written without it)</source>
        <translation>%1 (no se puede crear su bloqueo %2, y una clase nunca se escribe sin él)</translation>
    </message>
</context>
<context>
    <name>ClassOverviewTexts</name>
    <message>
        <source>damaged: %1</source>
        <translation>dañado: %1</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Sin nota</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>En o por debajo</translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Calificaciones</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
</context>
<context>
    <name>ClassStatistics</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Minimum Grade</source>
        <translation>Nota mínima</translation>
    </message>
    <message>
        <source>Maximum Grade</source>
        <translation>Nota máxima</translation>
    </message>
    <message>
        <source>Total Possible</source>
        <translation>Total posible</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Standard Deviation</source>
        <translation>Desviación típica</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>&lt; None &gt;</source>
        <translation>&lt; Ninguna &gt;</translation>
    </message>
</context>
<context>
    <name>ClassWriter</name>
    <message>
        <source>it is the same file as %1, which it would destroy</source>
        <translation>es el mismo archivo que %1, que quedaría destruido</translation>
    </message>
    <message>
        <source>another program is saving it</source>
        <translation>otro programa la está guardando</translation>
    </message>
    <message>
        <source>%1 cannot be read now: a save of it is not finished (%2). Try again in a moment.</source>
        <translation>No se puede leer %1 ahora: un guardado no ha terminado (%2). Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>A save of %1 was interrupted after all its files were written; it is now complete.</source>
        <translation>Un guardado de %1 se interrumpió después de escribir todos sus archivos; ya está completo.</translation>
    </message>
    <message>
        <source>A save of %1 was interrupted; the class is as it was before that save.</source>
        <translation>Un guardado de %1 se interrumpió; la clase está como estaba antes de ese guardado.</translation>
    </message>
</context>
<context>
    <name>Cp1252</name>
    <message>
        <source>The character “%1” cannot be stored in a class file.</source>
        <translation>El carácter «%1» no se puede guardar en un archivo de clase.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>unknown column &quot;%1&quot; (the columns are %2)</source>
        <translation>columna desconocida «%1» (las columnas son %2)</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice</source>
        <translation>la columna «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>the header has no column &quot;%1&quot;</source>
        <translation>la cabecera no tiene ninguna columna «%1»</translation>
    </message>
    <message>
        <source>the row has %1 fields; the header has %2</source>
        <translation>la fila tiene %1 campos; la cabecera tiene %2</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>el nombre está vacío</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the class</source>
        <translation>«%1» ya está en la clase</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also on line %2</source>
        <translation>«%1» también está en la línea %2</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>unas comillas dentro de un campo que no empieza con comillas</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>un campo entre comillas que no se cierra nunca</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>texto después de las comillas de cierre de un campo</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>el texto no está en UTF-8</translation>
    </message>
    <message>
        <source>the file is empty: it needs a header naming the columns</source>
        <translation>el archivo está vacío: necesita una cabecera con los nombres de las columnas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>the file has more than %1 rows</source>
        <translation>el archivo tiene más de %1 filas</translation>
    </message>
    <message>
        <source>a row has more than %1 columns</source>
        <translation>una fila tiene más de %1 columnas</translation>
    </message>
    <message>
        <source>a field longer than %1 characters</source>
        <translation>un campo de más de %1 caracteres</translation>
    </message>
</context>
<context>
    <name>CurvePreviewTexts</name>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Nota media</translation>
    </message>
    <message>
        <source>Median score</source>
        <translation>Nota mediana</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>Calificación %1</translation>
    </message>
</context>
<context>
    <name>Curving</name>
    <message>
        <source>&quot;%1&quot; is worth no points: enter its possible points first.</source>
        <translation>«%1» no vale puntos: introduzca primero sus puntos posibles.</translation>
    </message>
    <message>
        <source>The highest score of &quot;%1&quot; is 0: there is nothing to scale.</source>
        <translation>La nota más alta de «%1» es 0: no hay nada que escalar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no score that counts: it has no mean.</source>
        <translation>«%1» no tiene ninguna nota que cuente: no tiene media.</translation>
    </message>
    <message>
        <source>The mean of &quot;%1&quot; is 0: it cannot be moved.</source>
        <translation>La media de «%1» es 0: no se puede mover.</translation>
    </message>
    <message>
        <source>The two scores to map are the same: give two different scores.</source>
        <translation>Las dos notas que transformar son iguales: indique dos notas distintas.</translation>
    </message>
    <message>
        <source>Unknown curve.</source>
        <translation>Ajuste desconocido.</translation>
    </message>
    <message>
        <source>There is no assignment %1 to curve.</source>
        <translation>No hay ninguna actividad %1 que ajustar.</translation>
    </message>
    <message>
        <source>The curve gives a score too large to keep.</source>
        <translation>El ajuste da una nota demasiado grande para guardarla.</translation>
    </message>
    <message>
        <source>Curve %1</source>
        <translation>Ajustar %1</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Unable to create the folder %1 for Markwell&apos;s own copies of %2.</source>
        <translation>No se puede crear la carpeta %1 para las copias propias de Markwell de %2.</translation>
    </message>
</context>
<context>
    <name>DiscardQuestion</name>
    <message>
        <source>Discard what you typed in &quot;%1&quot;?</source>
        <translation>¿Descartar lo que ha escrito en «%1»?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Seguir editando</translation>
    </message>
</context>
<context>
    <name>DocumentFiles</name>
    <message>
        <source>it would be %1 bytes, too large to be a class file (at most %2 bytes); Markwell could not open it again</source>
        <translation>ocuparía %1 bytes, demasiado para un archivo de clase (como máximo %2 bytes); Markwell no podría volver a abrirlo</translation>
    </message>
    <message>
        <source>The file %1 ends inside a record: its first %2 whole records were read, and the %3 bytes after them were not. The next save writes only the records that were read.</source>
        <translation>El archivo %1 termina en mitad de un registro: se han leído sus primeros %2 registros completos, pero no los %3 bytes siguientes. Al guardar solo se escribirán los registros leídos.</translation>
    </message>
    <message>
        <source>it is the same file as %1, which it would destroy</source>
        <translation>es el mismo archivo que %1, que quedaría destruido</translation>
    </message>
    <message>
        <source>%1
The class is opened without its attendance. Markwell will not write over that file; delete or rename it to record attendance for this class again.</source>
        <translation>%1
La clase se abre sin su asistencia. Markwell no sobrescribirá ese archivo; elimínelo o cámbiele el nombre para volver a registrar la asistencia de esta clase.</translation>
    </message>
    <message>
        <source>%1
The class is opened without its seating chart. Markwell will not write over that file; delete or rename it to keep seats for this class again.</source>
        <translation>%1
La clase se abre sin su plano de clase. Markwell no sobrescribirá ese archivo; elimínelo o cámbiele el nombre para volver a guardar los asientos de esta clase.</translation>
    </message>
    <message>
        <source>The damaged file %1 was kept as it was; delete or rename it to save attendance again.</source>
        <translation>El archivo dañado %1 se ha conservado tal cual; elimínelo o cámbiele el nombre para volver a guardar la asistencia.</translation>
    </message>
    <message>
        <source>The damaged file %1 was kept as it was; delete or rename it to save seats again.</source>
        <translation>El archivo dañado %1 se ha conservado tal cual; elimínelo o cámbiele el nombre para volver a guardar los asientos.</translation>
    </message>
    <message>
        <source>The file %1 holds 1 byte after the end of the class, which was skipped. Saving the class over that file would drop it.</source>
        <translation>El archivo %1 contiene 1 byte después del final de la clase, que se ha omitido. Guardar la clase sobre ese archivo lo perdería.</translation>
    </message>
    <message>
        <source>The file %1 holds %2 bytes after the end of the class, which were skipped. Saving the class over that file would drop them.</source>
        <translation>El archivo %1 contiene %2 bytes después del final de la clase, que se han omitido. Guardar la clase sobre ese archivo los perdería.</translation>
    </message>
    <message>
        <source>the bytes skipped when it was read would be lost; nothing was written</source>
        <translation>se perderían los bytes omitidos al leerlo; no se ha escrito nada</translation>
    </message>
</context>
<context>
    <name>EarlierVersions</name>
    <message>
        <source>the folder cannot be renamed</source>
        <translation>no se puede cambiar el nombre de la carpeta</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
</context>
<context>
    <name>EarlierVersionsTable</name>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Actividades</translation>
    </message>
</context>
<context>
    <name>EditorSupport</name>
    <message>
        <source>Open Markwell File</source>
        <translation>Abrir archivo de Markwell</translation>
    </message>
</context>
<context>
    <name>ExportSupport</name>
    <message>
        <source>the table has %1 rows; a %2 file holds at most %3. Save it as .xlsx or .csv instead.</source>
        <translation>la tabla tiene %1 filas; un archivo %2 admite como máximo %3. Guárdela como .xlsx o .csv.</translation>
    </message>
    <message>
        <source>the table has %1 columns; a %2 file holds at most %3. Save it as .xlsx or .csv instead.</source>
        <translation>la tabla tiene %1 columnas; un archivo %2 admite como máximo %3. Guárdela como .xlsx o .csv.</translation>
    </message>
    <message>
        <source>cell %1 holds more than %2 characters, more than a %3 cell can keep. Save it as .csv instead.</source>
        <translation>la celda %1 contiene más de %2 caracteres, más de los que admite una celda %3. Guárdela como .csv.</translation>
    </message>
</context>
<context>
    <name>FamilySender</name>
    <message>
        <source>not an e-mail address</source>
        <translation>no es una dirección de correo electrónico</translation>
    </message>
    <message>
        <source>The connection to the mail server was lost again after reconnecting: %1</source>
        <translation>La conexión con el servidor de correo se perdió de nuevo tras volver a conectar: %1</translation>
    </message>
    <message>
        <source>the connection was lost after the message was sent: %1</source>
        <translation>la conexión se perdió después de enviar el mensaje: %1</translation>
    </message>
    <message>
        <source>the connection was lost before the message was sent: %1</source>
        <translation>la conexión se perdió antes de enviar el mensaje: %1</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Unable to open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is too large to be a class file (%1 bytes)</source>
        <translation>es demasiado grande para ser un archivo de clase (%1 bytes)</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>Markwell File (*.grs)</source>
        <translation>Archivo de Markwell (*.grs)</translation>
    </message>
    <message>
        <source>Excel File (*.xls)</source>
        <translation>Archivo de Excel (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
</context>
<context>
    <name>FixedFields</name>
    <message>
        <source>is %1 characters long; at most %2 fit</source>
        <translation>tiene %1 caracteres; caben como máximo %2</translation>
    </message>
    <message>
        <source>holds a zero byte</source>
        <translation>contiene un byte nulo</translation>
    </message>
</context>
<context>
    <name>GradeEntry</name>
    <message>
        <source>no student is named &quot;%1&quot;</source>
        <translation>ningún alumno se llama «%1»</translation>
    </message>
    <message>
        <source>there are more rows for &quot;%1&quot; than students of that name (%2)</source>
        <translation>hay más filas para «%1» que alumnos con ese nombre (%2)</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>There is no student in that row.</source>
        <translation>No hay ningún alumno en esa fila.</translation>
    </message>
    <message>
        <source>there is no such assignment</source>
        <translation>no existe esa actividad</translation>
    </message>
</context>
<context>
    <name>GradeExplanation</name>
    <message>
        <source>no possible points</source>
        <translation>sin puntos posibles</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>yes: extra credit</source>
        <translation>sí: puntos extra</translation>
    </message>
    <message>
        <source>dropped: lowest score overall</source>
        <translation>descartada: nota más baja de todas</translation>
    </message>
    <message>
        <source>dropped: lowest %1 score</source>
        <translation>descartada: nota más baja de tipo %1</translation>
    </message>
    <message>
        <source>no: does not count (-)</source>
        <translation>no: no cuenta (-)</translation>
    </message>
    <message>
        <source>no: no possible points</source>
        <translation>no: sin puntos posibles</translation>
    </message>
    <message>
        <source>no: no known type</source>
        <translation>no: tipo desconocido</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Posibles</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Obtenidos</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Counted earned</source>
        <translation>Obtenidos que cuentan</translation>
    </message>
    <message>
        <source>Counted possible</source>
        <translation>Posibles que cuentan</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>%1: %2 to %3</source>
        <translation>%1: de %2 a %3</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
    <message>
        <source>lowest score overall</source>
        <translation>nota más baja de todas</translation>
    </message>
    <message>
        <source>lowest %1 score</source>
        <translation>nota más baja de tipo %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of %2 weighted points</source>
        <translation>%1 de %2 puntos ponderados</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <translation>%1 de %2 puntos</translation>
    </message>
    <message>
        <source> after dropping %1</source>
        <translation> tras descartar %1</translation>
    </message>
    <message>
        <source>%1: how the grade came out</source>
        <translation>%1: cómo se obtuvo la calificación</translation>
    </message>
    <message>
        <source>What would it take?</source>
        <translation>¿Qué haría falta?</translation>
    </message>
</context>
<context>
    <name>GradeFile</name>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>street</source>
        <translation>calle</translation>
    </message>
    <message>
        <source>city</source>
        <translation>ciudad</translation>
    </message>
    <message>
        <source>state</source>
        <translation>provincia</translation>
    </message>
    <message>
        <source>ZIP code</source>
        <translation>código postal</translation>
    </message>
    <message>
        <source>mother&apos;s name</source>
        <translation>nombre de la madre</translation>
    </message>
    <message>
        <source>mother&apos;s phone</source>
        <translation>teléfono de la madre</translation>
    </message>
    <message>
        <source>father&apos;s name</source>
        <translation>nombre del padre</translation>
    </message>
    <message>
        <source>father&apos;s phone</source>
        <translation>teléfono del padre</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>correo electrónico</translation>
    </message>
    <message>
        <source>mother&apos;s e-mail address</source>
        <translation>correo electrónico de la madre</translation>
    </message>
    <message>
        <source>father&apos;s e-mail address</source>
        <translation>correo electrónico del padre</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is too short (%1 bytes)</source>
        <translation>es demasiado corto (%1 bytes)</translation>
    </message>
    <message>
        <source>its version is not a number</source>
        <translation>su versión no es un número</translation>
    </message>
    <message>
        <source>Markwell version of file is invalid!</source>
        <translation>¡La versión de Markwell del archivo no es válida!</translation>
    </message>
    <message>
        <source>it ends inside the class settings</source>
        <translation>termina dentro de la configuración de la clase</translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation>termina antes de tiempo</translation>
    </message>
    <message>
        <source>The file %1 is damaged or is not a grade file: %2.</source>
        <translation>El archivo %1 está dañado o no es un archivo de notas: %2.</translation>
    </message>
    <message>
        <source>it ends before the number of %1</source>
        <translation>termina antes del número de %1</translation>
    </message>
    <message>
        <source>it gives the number of %1 as %2</source>
        <translation>indica %2 como número de %1</translation>
    </message>
    <message>
        <source>it announces %1 %2 but ends before them</source>
        <translation>anuncia %1 %2 pero termina antes</translation>
    </message>
    <message>
        <source>students</source>
        <translation>alumnos</translation>
    </message>
    <message>
        <source>assignments</source>
        <translation>actividades</translation>
    </message>
    <message>
        <source>assignment %1 of %2</source>
        <translation>la actividad %1 de %2</translation>
    </message>
    <message>
        <source>it ends inside %1</source>
        <translation>termina dentro de %1</translation>
    </message>
    <message>
        <source>the point list of %1 has a length of 0</source>
        <translation>la lista de puntos de %1 tiene longitud 0</translation>
    </message>
    <message>
        <source>the point list of %1 is longer than the rest of the file</source>
        <translation>la lista de puntos de %1 es más larga que el resto del archivo</translation>
    </message>
    <message>
        <source>the possible points of %1 are not a number</source>
        <translation>los puntos posibles de %1 no son un número</translation>
    </message>
    <message>
        <source>it ends before the dropping rule</source>
        <translation>termina antes de la regla para descartar notas</translation>
    </message>
    <message>
        <source>comments</source>
        <translation>comentarios</translation>
    </message>
    <message>
        <source>the grid font name</source>
        <translation>el nombre de la fuente de la cuadrícula</translation>
    </message>
    <message>
        <source>the grade scale name</source>
        <translation>el nombre de la escala de calificaciones</translation>
    </message>
    <message>
        <source>the grade scale bounds</source>
        <translation>los límites de la escala de calificaciones</translation>
    </message>
    <message>
        <source>student %1</source>
        <translation>alumno %1</translation>
    </message>
    <message>
        <source>student %1 (%2)</source>
        <translation>alumno %1 (%2)</translation>
    </message>
    <message>
        <source>the %1 of %2 %3</source>
        <translation>%2, campo «%1»: %3</translation>
    </message>
    <message>
        <source>assignment %1</source>
        <translation>la actividad %1</translation>
    </message>
    <message>
        <source>the title of %1</source>
        <translation>el título de %1</translation>
    </message>
    <message>
        <source>assignment %1 (%2)</source>
        <translation>la actividad %1 (%2)</translation>
    </message>
    <message>
        <source>the description of %1</source>
        <translation>la descripción de %1</translation>
    </message>
    <message>
        <source>the type of %1</source>
        <translation>el tipo de %1</translation>
    </message>
    <message>
        <source>point entry %1 of %2 holds a zero byte</source>
        <translation>la entrada de puntos %1 de %2 contiene un byte nulo</translation>
    </message>
    <message>
        <source>the name of comment %1</source>
        <translation>el nombre del comentario %1</translation>
    </message>
    <message>
        <source>the comment on %1</source>
        <translation>el comentario sobre %1</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>The class cannot be saved: %1.</source>
        <translation>No se puede guardar la clase: %1.</translation>
    </message>
    <message>
        <source>the point list of assignment %1 is too long</source>
        <translation>la lista de puntos de la actividad %1 es demasiado larga</translation>
    </message>
</context>
<context>
    <name>GradeHistory</name>
    <message>
        <source>restored version %1</source>
        <translation>versión %1 restaurada</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>importación de %1</translation>
    </message>
    <message>
        <source>changed outside Markwell</source>
        <translation>cambiada fuera de Markwell</translation>
    </message>
    <message>
        <source>The grade history database %1 was missing; a new one was started. The classes and their marks are not affected, only the history before now is gone.</source>
        <translation>Faltaba la base de datos del historial de notas %1; se ha empezado una nueva. Las clases y sus notas no se ven afectadas: solo se ha perdido el historial anterior.</translation>
    </message>
    <message>
        <source>%1 cannot be made or written</source>
        <translation>no se puede crear ni escribir %1</translation>
    </message>
    <message>
        <source>The grade history is off: %1.</source>
        <translation>El historial de notas está desactivado: %1.</translation>
    </message>
    <message>
        <source>The grade history is off: %1 cannot be used (%2).</source>
        <translation>El historial de notas está desactivado: no se puede usar %1 (%2).</translation>
    </message>
    <message>
        <source>it was made by a newer version of Markwell</source>
        <translation>la creó una versión más reciente de Markwell</translation>
    </message>
    <message>
        <source>The grade history database %1 was damaged (%2); a new one was started and the damaged one kept as %3. The classes and their marks are not affected, only the history before now is gone.</source>
        <translation>La base de datos del historial de notas %1 estaba dañada (%2); se ha empezado una nueva y la dañada se conserva como %3. Las clases y sus notas no se ven afectadas: solo se ha perdido el historial anterior.</translation>
    </message>
    <message>
        <source>The grade history could not %1: %2</source>
        <translation>El historial de notas no ha podido %1: %2</translation>
    </message>
    <message>
        <source>list the history of %1</source>
        <translation>mostrar el historial de %1</translation>
    </message>
    <message>
        <source>forget %1 in the history of %2</source>
        <translation>olvidar a %1 en el historial de %2</translation>
    </message>
    <message>
        <source>look at %1</source>
        <translation>examinar %1</translation>
    </message>
    <message>
        <source>record the changes of %1</source>
        <translation>registrar los cambios de %1</translation>
    </message>
    <message>
        <source>record the save of %1</source>
        <translation>registrar el guardado de %1</translation>
    </message>
    <message>
        <source>record a save</source>
        <translation>registrar un guardado</translation>
    </message>
    <message>
        <source>forget a save that was not made</source>
        <translation>olvidar un guardado que no se hizo</translation>
    </message>
</context>
<context>
    <name>GradesTable</name>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
</context>
<context>
    <name>GradingRules</name>
    <message>
        <source>The weight of %1 must be a whole number from 0 to 100, not %2.</source>
        <translation>El peso de %1 debe ser un número entero de 0 a 100, no %2.</translation>
    </message>
    <message>
        <source>Percentage values do not equal to 100%</source>
        <translation>Los porcentajes no suman 100%</translation>
    </message>
    <message>
        <source>%1 is not a rule for dropping lowest scores.</source>
        <translation>%1 no es una regla para descartar las notas más bajas.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Welcome to Markwell</source>
        <translation>Bienvenido a Markwell</translation>
    </message>
    <message>
        <source>The Grades page</source>
        <translation>La página Notas</translation>
    </message>
    <message>
        <source>The Attendance page</source>
        <translation>La página Asistencia</translation>
    </message>
    <message>
        <source>The Seating page</source>
        <translation>La página Plano de clase</translation>
    </message>
    <message>
        <source>Printing and PDF</source>
        <translation>Imprimir y PDF</translation>
    </message>
    <message>
        <source>Choosing the table&apos;s font</source>
        <translation>Elegir la fuente de la tabla</translation>
    </message>
    <message>
        <source>The student list</source>
        <translation>La lista de alumnos</translation>
    </message>
    <message>
        <source>The assignment list</source>
        <translation>La lista de actividades</translation>
    </message>
    <message>
        <source>Entering grades</source>
        <translation>Introducir notas</translation>
    </message>
    <message>
        <source>Grade scales</source>
        <translation>Escalas de calificaciones</translation>
    </message>
    <message>
        <source>Weighted grades</source>
        <translation>Notas ponderadas</translation>
    </message>
    <message>
        <source>Dropping the lowest scores</source>
        <translation>Descartar las notas más bajas</translation>
    </message>
    <message>
        <source>Individual student reports</source>
        <translation>Informes individuales de alumnos</translation>
    </message>
    <message>
        <source>Grade information</source>
        <translation>Información de notas</translation>
    </message>
    <message>
        <source>Attendance analysis</source>
        <translation>Análisis de asistencia</translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Merging two classes</source>
        <translation>Combinar dos clases</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versiones anteriores</translation>
    </message>
    <message>
        <source>Sending grades by e-mail</source>
        <translation>Enviar notas por correo electrónico</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>La contraseña</translation>
    </message>
    <message>
        <source>Adding and changing seats</source>
        <translation>Añadir y modificar asientos</translation>
    </message>
    <message>
        <source>About Markwell</source>
        <translation>Acerca de Markwell</translation>
    </message>
    <message>
        <source>E-mailing every family its report</source>
        <translation>Enviar a cada familia su informe por correo electrónico</translation>
    </message>
    <message>
        <source>Scores from the school&apos;s systems</source>
        <translation>Puntuaciones de los sistemas del centro</translation>
    </message>
    <message>
        <source>Curving an assignment</source>
        <translation>Ajustar las notas de una actividad</translation>
    </message>
    <message>
        <source>All your classes at once</source>
        <translation>Todas sus clases a la vez</translation>
    </message>
    <message>
        <source>Class reports at the term&apos;s end</source>
        <translation>Boletines de la clase a fin de trimestre</translation>
    </message>
    <message>
        <source>The grade history</source>
        <translation>El historial de notas</translation>
    </message>
</context>
<context>
    <name>HistoryTable</name>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>set on %1 to %2</source>
        <translation>puesta el %1 a %2</translation>
    </message>
    <message>
        <source>changed on %1 from %2 to %3</source>
        <translation>cambió el %1 de %2 a %3</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Último cambio</translation>
    </message>
</context>
<context>
    <name>IndividualReport</name>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>Weighted average: see Why</source>
        <translation>Media ponderada: véase Por qué</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>KeptVersions</name>
    <message>
        <source>The number of earlier versions to keep is from 0 to %1.</source>
        <translation>El número de versiones anteriores que se conservan va de 0 a %1.</translation>
    </message>
</context>
<context>
    <name>KeyringMailPasswords</name>
    <message>
        <source>The keyring did not answer.</source>
        <translation>El llavero no respondió.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>La contraseña no se pudo guardar en el llavero: %1</translation>
    </message>
    <message>
        <source>the keyring did not answer.</source>
        <translation>el llavero no respondió.</translation>
    </message>
    <message>
        <source>The password could not be removed from the keyring: %1</source>
        <translation>La contraseña no se pudo quitar del llavero: %1</translation>
    </message>
</context>
<context>
    <name>MailAddress</name>
    <message>
        <source>Grades</source>
        <comment>subject of the grades e-mail</comment>
        <translation>Calificaciones</translation>
    </message>
</context>
<context>
    <name>MailAttachment</name>
    <message>
        <source>Unable to create the folder %1 for the attachment.</source>
        <translation>No se puede crear la carpeta %1 para el archivo adjunto.</translation>
    </message>
    <message>
        <source>Unable to create a folder for the attachment in %1: %2</source>
        <translation>No se puede crear una carpeta para el archivo adjunto en %1: %2</translation>
    </message>
</context>
<context>
    <name>MailServerSettings</name>
    <message>
        <source>No mail server is set.</source>
        <translation>No hay ningún servidor de correo configurado.</translation>
    </message>
    <message>
        <source>The port of the mail server is from 1 to 65535.</source>
        <translation>El puerto del servidor de correo va de 1 a 65535.</translation>
    </message>
    <message>
        <source>The sender&apos;s address &quot;%1&quot; is not an e-mail address.</source>
        <translation>La dirección del remitente «%1» no es una dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>A password is never sent without TLS: choose STARTTLS or TLS for %1, or leave the user name empty.</source>
        <translation>Una contraseña nunca se envía sin TLS: elija STARTTLS o TLS para %1, o deje vacío el nombre de usuario.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Ear&amp;lier Versions...</source>
        <translation>&amp;Versiones anteriores...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>w/Student &amp;Names</source>
        <translation>Con &amp;nombres de alumnos</translation>
    </message>
    <message>
        <source>w/Student &amp;ID&apos;s</source>
        <translation>Con &amp;ID de alumnos</translation>
    </message>
    <message>
        <source>&amp;Attendance</source>
        <translation>&amp;Asistencia</translation>
    </message>
    <message>
        <source>&amp;Seating</source>
        <translation>&amp;Plano de clase</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Vista &amp;previa de impresión...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>Co&amp;mbinar...</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>&amp;E-mail...</source>
        <translation>Correo &amp;electrónico...</translation>
    </message>
    <message>
        <source>Send e-mail</source>
        <translation>Enviar por correo electrónico</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>Add Seat</source>
        <translation>Añadir asiento</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>Edit Seat</source>
        <translation>Editar asiento</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Delete Seat</source>
        <translation>Eliminar asiento</translation>
    </message>
    <message>
        <source>Attendance A&amp;nalysis...</source>
        <translation>&amp;Análisis de asistencia...</translation>
    </message>
    <message>
        <source>Attendance Analysis</source>
        <translation>Análisis de asistencia</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Individual Students</source>
        <translation>Informes &amp;individuales</translation>
    </message>
    <message>
        <source>&amp;Grade Information</source>
        <translation>Información de &amp;notas</translation>
    </message>
    <message>
        <source>G&amp;raph</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>&amp;Students...</source>
        <translation>&amp;Alumnos...</translation>
    </message>
    <message>
        <source>Student List</source>
        <translation>Lista de alumnos</translation>
    </message>
    <message>
        <source>&amp;Assignments...</source>
        <translation>A&amp;ctividades...</translation>
    </message>
    <message>
        <source>Assignment List</source>
        <translation>Lista de actividades</translation>
    </message>
    <message>
        <source>Edit Grades</source>
        <translation>Editar notas</translation>
    </message>
    <message>
        <source>&amp;Scale...</source>
        <translation>E&amp;scala...</translation>
    </message>
    <message>
        <source>Grade Scale</source>
        <translation>Escala de calificaciones</translation>
    </message>
    <message>
        <source>&amp;Weighted...</source>
        <translation>&amp;Ponderación...</translation>
    </message>
    <message>
        <source>&amp;Drop Lowest...</source>
        <translation>&amp;Descartar la nota más baja...</translation>
    </message>
    <message>
        <source>Markwell &amp;Help</source>
        <translation>Ayuda de &amp;Markwell</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>&amp;Import Scores...</source>
        <translation>Importar p&amp;untuaciones...</translation>
    </message>
    <message>
        <source>For &amp;Canvas...</source>
        <translation>Para &amp;Canvas...</translation>
    </message>
    <message>
        <source>New &amp;from Class...</source>
        <translation>Nueva &amp;desde una clase...</translation>
    </message>
    <message>
        <source>&amp;My Classes...</source>
        <translation>&amp;Mis clases...</translation>
    </message>
    <message>
        <source>&amp;Curve...</source>
        <translation>A&amp;justar...</translation>
    </message>
    <message>
        <source>&amp;Class Reports...</source>
        <translation>&amp;Boletines de la clase...</translation>
    </message>
</context>
<context>
    <name>MarkwellMain</name>
    <message>
        <source>Computerized Markwell: a class record for teachers.</source>
        <translation>Computerized Markwell: un cuaderno de notas para profesores.</translation>
    </message>
    <message>
        <source>A grade file (.grs) to open.</source>
        <translation>Un archivo de notas (.grs) que abrir.</translation>
    </message>
</context>
<context>
    <name>MergedReportText</name>
    <message>
        <source>Merged Files: %1, %2</source>
        <translation>Archivos combinados: %1, %2</translation>
    </message>
    <message>
        <source>Unable to merge the same file!</source>
        <translation>¡No se puede combinar un archivo consigo mismo!</translation>
    </message>
    <message>
        <source>Points of both files added up; weights and dropped scores are not applied.</source>
        <translation>Puntos de ambos archivos sumados; no se aplican ni la ponderación ni las notas descartadas.</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
</context>
<context>
    <name>MessageFiles</name>
    <message>
        <source>Unable to create the folder %1 for the messages.</source>
        <translation>No se pudo crear la carpeta %1 para los mensajes.</translation>
    </message>
</context>
<context>
    <name>OleCompoundFile</name>
    <message>
        <source>the workbook container could not be made</source>
        <translation>no se ha podido crear el contenedor del libro</translation>
    </message>
    <message>
        <source>the workbook could not be written</source>
        <translation>no se ha podido escribir el libro</translation>
    </message>
    <message>
        <source>the workbook could not be closed</source>
        <translation>no se ha podido cerrar el libro</translation>
    </message>
    <message>
        <source>the document title could not be written</source>
        <translation>no se ha podido escribir el título del documento</translation>
    </message>
    <message>
        <source>the title could not be closed</source>
        <translation>no se ha podido cerrar el título</translation>
    </message>
    <message>
        <source>the workbook container could not be closed</source>
        <translation>no se ha podido cerrar el contenedor del libro</translation>
    </message>
    <message>
        <source>the workbook container is empty</source>
        <translation>el contenedor del libro está vacío</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Passwords cannot be checked on this computer: the password library (libsodium) could not be started.</source>
        <translation>Las contraseñas no se pueden comprobar en este ordenador: no se ha podido iniciar la biblioteca de contraseñas (libsodium).</translation>
    </message>
    <message>
        <source>The password could not be stored: there is not enough memory to protect it.</source>
        <translation>No se ha podido guardar la contraseña: no hay memoria suficiente para protegerla.</translation>
    </message>
</context>
<context>
    <name>PrintCopy</name>
    <message>
        <source>(no ID)</source>
        <translation>(sin ID)</translation>
    </message>
    <message>
        <source>Student ID&apos;s</source>
        <translation>ID de alumnos</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se ha podido iniciar la impresora.</translation>
    </message>
    <message>
        <source>The printer refused page %1.</source>
        <translation>La impresora ha rechazado la página %1.</translation>
    </message>
    <message>
        <source>The printout could not be finished.</source>
        <translation>No se ha podido terminar la impresión.</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>Unable to save the settings in %1: the file cannot be written.</source>
        <translation>No se puede guardar la configuración en %1: no se puede escribir el archivo.</translation>
    </message>
    <message>
        <source>Unable to save the settings in %1: the file is damaged.</source>
        <translation>No se puede guardar la configuración en %1: el archivo está dañado.</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>Computerized Markwell</source>
        <translation>Computerized Markwell</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>An untitled class has no recovery copy.</source>
        <translation>Una clase sin título no tiene copia de recuperación.</translation>
    </message>
    <message>
        <source>The recovery copy of %1 is gone or damaged.</source>
        <translation>La copia de recuperación de %1 ha desaparecido o está dañada.</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Decide &amp;later</source>
        <translation>Decidir &amp;más tarde</translation>
    </message>
    <message>
        <source>Recover the unsaved changes to &quot;%1&quot; from %2?</source>
        <translation>¿Recuperar los cambios sin guardar de «%1» desde %2?</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>Grades of {name}</source>
        <translation>Notas de {name}</translation>
    </message>
    <message>
        <source>Hello,

attached is the current grade report of {name}.

Kind regards</source>
        <translation>Hola:

adjunto el informe de notas actual de {name}.

Un saludo cordial</translation>
    </message>
</context>
<context>
    <name>ReportWindowParts</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The report could not be printed: </source>
        <translation>No se ha podido imprimir el informe: </translation>
    </message>
</context>
<context>
    <name>RosterChanges</name>
    <message>
        <source>Import Students</source>
        <translation>Importar alumnos</translation>
    </message>
    <message>
        <source>Add Assignment</source>
        <translation>Añadir actividad</translation>
    </message>
    <message>
        <source>Import Points</source>
        <translation>Importar puntos</translation>
    </message>
    <message>
        <source>Possible Points</source>
        <translation>Puntos posibles</translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation>Importar puntuaciones</translation>
    </message>
</context>
<context>
    <name>RowProblems</name>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: línea %2: %3</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 fila</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 filas</translation>
    </message>
    <message>
        <source>%1: %2 refused; nothing was written</source>
        <translation>%1: %2 con problemas; no se ha escrito nada</translation>
    </message>
</context>
<context>
    <name>SaveJournal</name>
    <message>
        <source>The save journal %1 is damaged; the save it guards cannot be finished. Look at the class&apos;s files and remove the journal by hand.</source>
        <translation>El diario de guardado %1 está dañado; el guardado que protege no se puede terminar. Revise los archivos de la clase y elimine el diario a mano.</translation>
    </message>
    <message>
        <source>Unable to put %1 back from %2: %3</source>
        <translation>No se puede restablecer %1 a partir de %2: %3</translation>
    </message>
    <message>
        <source>Unable to open the save journal %1: %2</source>
        <translation>No se puede abrir el diario de guardado %1: %2</translation>
    </message>
</context>
<context>
    <name>ScaleChecks</name>
    <message>
        <source>No range fields can be left blank</source>
        <translation>Ningún campo del intervalo puede quedar en blanco</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>¡Valor no válido!</translation>
    </message>
    <message>
        <source>Minimum percentage is greater than maximum percentage for same grade</source>
        <translation>El porcentaje mínimo es mayor que el porcentaje máximo de la misma calificación</translation>
    </message>
    <message>
        <source>Minimum percentage of higher grade is greater than maximum percentage of lower grade</source>
        <translation>El porcentaje mínimo de una calificación superior es mayor que el porcentaje máximo de la calificación inferior</translation>
    </message>
    <message>
        <source>%1: “%2” starts at %3 but ends at %4.</source>
        <translation>%1: «%2» empieza en %3 pero termina en %4.</translation>
    </message>
    <message>
        <source>%1: “%2” starts at %3, below %4 where “%5” ends.</source>
        <translation>%1: «%2» empieza en %3, por debajo de %4, donde termina «%5».</translation>
    </message>
    <message>
        <source>A scale of this kind has %1 letters, not %2.</source>
        <translation>Una escala de este tipo tiene %1 letras, no %2.</translation>
    </message>
    <message>
        <source>Letter “%1”, %2: %3</source>
        <translation>Letra «%1», %2: %3</translation>
    </message>
    <message>
        <source>Min %</source>
        <translation>Mín. %</translation>
    </message>
    <message>
        <source>Max %</source>
        <translation>Máx. %</translation>
    </message>
</context>
<context>
    <name>ScaleStore</name>
    <message>
        <source>A grade scale needs a name.</source>
        <translation>Una escala de calificaciones necesita un nombre.</translation>
    </message>
    <message>
        <source>The grade scale name “%1” cannot contain \ or /.</source>
        <translation>El nombre de escala de calificaciones «%1» no puede contener \ ni /.</translation>
    </message>
    <message>
        <source>A grade scale name cannot hold a line break, a tab or another control character.</source>
        <translation>El nombre de una escala de calificaciones no puede contener saltos de línea, tabuladores ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>The grade scale name “%1” is too long: at most %2 characters fit.</source>
        <translation>El nombre de escala de calificaciones «%1» es demasiado largo: caben como máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>“%1” cannot be used as a letter grade.</source>
        <translation>«%1» no se puede usar como calificación.</translation>
    </message>
    <message>
        <source>The default grade scale cannot be deleted.</source>
        <translation>La escala de calificaciones predeterminada no se puede eliminar.</translation>
    </message>
</context>
<context>
    <name>ScoreColumns</name>
    <message>
        <source>the date the file was downloaded</source>
        <translation>la fecha en que se descargó el archivo</translation>
    </message>
    <message>
        <source>an override of the final grade</source>
        <translation>una sustitución de la nota final</translation>
    </message>
    <message>
        <source>a total</source>
        <translation>un total</translation>
    </message>
    <message>
        <source>a score the learning system works out</source>
        <translation>una puntuación que calcula la plataforma</translation>
    </message>
    <message>
        <source>a grade, not points</source>
        <translation>una nota, no puntos</translation>
    </message>
    <message>
        <source>feedback, not a score</source>
        <translation>comentarios, no una puntuación</translation>
    </message>
    <message>
        <source>a percentage or an average, not points</source>
        <translation>un porcentaje o una media, no puntos</translation>
    </message>
    <message>
        <source>Canvas&apos;s own number for the student, not the school&apos;s ID</source>
        <translation>el número propio de Canvas para el alumno, no el identificador del centro</translation>
    </message>
    <message>
        <source>not a score: Moodle gives points in its (Real) columns</source>
        <translation>no es una puntuación: Moodle da los puntos en sus columnas (Real)</translation>
    </message>
    <message>
        <source>a percentage</source>
        <translation>un porcentaje</translation>
    </message>
    <message>
        <source>a letter grade</source>
        <translation>una nota con letra</translation>
    </message>
    <message>
        <source>feedback</source>
        <translation>comentarios</translation>
    </message>
    <message>
        <source>the column has no heading</source>
        <translation>la columna no tiene encabezado</translation>
    </message>
    <message>
        <source>a detail of the student, not a score</source>
        <translation>un dato del alumno, no una puntuación</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>line %1, column %2: &quot;%3&quot; lies beyond the last column of the header (%4 columns); are the columns shifted?</source>
        <translation>línea %1, columna %2: «%3» queda más allá de la última columna de la cabecera (%4 columnas); ¿están desplazadas las columnas?</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB: it is not a gradebook</source>
        <translation>el archivo ocupa más de %1 MB: no es un libro de calificaciones</translation>
    </message>
    <message>
        <source>this is a workbook (.xlsx or .ods), not CSV: save it as CSV first</source>
        <translation>es un libro de hoja de cálculo (.xlsx u .ods), no CSV: guárdelo antes como CSV</translation>
    </message>
    <message>
        <source>line %1: the file holds NUL bytes: it is not CSV text (save it as CSV, UTF-8)</source>
        <translation>línea %1: el archivo contiene bytes NUL: no es texto CSV (guárdelo como CSV, UTF-8)</translation>
    </message>
    <message>
        <source>the file is empty: it needs a header naming the columns</source>
        <translation>el archivo está vacío: necesita una cabecera con los nombres de las columnas</translation>
    </message>
    <message>
        <source>%1: the file is larger than %2 MB: it is not a gradebook</source>
        <translation>%1: el archivo ocupa más de %2 MB: no es un libro de calificaciones</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Canvas gradebook</source>
        <translation>libro de calificaciones de Canvas</translation>
    </message>
    <message>
        <source>Moodle grades</source>
        <translation>calificaciones de Moodle</translation>
    </message>
    <message>
        <source>Google Classroom grades</source>
        <translation>calificaciones de Google Classroom</translation>
    </message>
    <message>
        <source>spreadsheet</source>
        <translation>hoja de cálculo</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>separado por comas</translation>
    </message>
    <message>
        <source>separated by semicolons</source>
        <translation>separado por puntos y coma</translation>
    </message>
    <message>
        <source>separated by tabs</source>
        <translation>separado por tabuladores</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>, decimal commas</source>
        <translation>, comas decimales</translation>
    </message>
</context>
<context>
    <name>ScoreMapping</name>
    <message>
        <source>the header must name the columns &quot;column&quot; and &quot;assignment&quot;</source>
        <translation>la cabecera debe nombrar las columnas «column» y «assignment»</translation>
    </message>
    <message>
        <source>the score file has no column &quot;%1&quot;</source>
        <translation>el archivo de puntuaciones no tiene la columna «%1»</translation>
    </message>
    <message>
        <source>the class has no assignment &quot;%1&quot; (--new-assignments TYPE makes it)</source>
        <translation>la clase no tiene la actividad «%1» (--new-assignments TYPE la crea)</translation>
    </message>
</context>
<context>
    <name>ScorePlan</name>
    <message>
        <source>column %1 (%2): %3</source>
        <translation>columna %1 (%2): %3</translation>
    </message>
    <message>
        <source>no column names the students: choose the column of their names, IDs or e-mail addresses</source>
        <translation>ninguna columna nombra a los alumnos: elija la columna de sus nombres, identificadores o direcciones de correo</translation>
    </message>
    <message>
        <source>there is no such assignment</source>
        <translation>no existe esa actividad</translation>
    </message>
    <message>
        <source>its scores go to &quot;%1&quot;, as those of column %2 do: ignore one of them</source>
        <translation>sus puntuaciones van a «%1», como las de la columna %2: ignore una de las dos</translation>
    </message>
    <message>
        <source>no name, ID or e-mail address: left out</source>
        <translation>sin nombre, identificador ni dirección de correo: omitida</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>omitida</translation>
    </message>
    <message>
        <source>there is no such student</source>
        <translation>no existe ese alumno</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>elegido</translation>
    </message>
    <message>
        <source>matches %1 students: choose one</source>
        <translation>corresponde a %1 alumnos: elija uno</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 students of the class (%3): choose one</source>
        <translation>«%1» corresponde a %2 alumnos de la clase (%3): elija uno</translation>
    </message>
    <message>
        <source>matches no student of the class: left out</source>
        <translation>no corresponde a ningún alumno de la clase: omitida</translation>
    </message>
    <message>
        <source>matches no student of the class</source>
        <translation>no corresponde a ningún alumno de la clase</translation>
    </message>
    <message>
        <source>no student of the class matches &quot;%1&quot;</source>
        <translation>ningún alumno de la clase corresponde a «%1»</translation>
    </message>
    <message>
        <source>by ID</source>
        <translation>por identificador</translation>
    </message>
    <message>
        <source>by e-mail address</source>
        <translation>por dirección de correo</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>por nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the class: choose that student or leave the row out</source>
        <translation>«%1» ya está en la clase: elija ese alumno u omita la fila</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also on line %2</source>
        <translation>«%1» también está en la línea %2</translation>
    </message>
    <message>
        <source>joins the class</source>
        <translation>se une a la clase</translation>
    </message>
    <message>
        <source>%1 is on lines %2</source>
        <translation>%1 está en las líneas %2</translation>
    </message>
    <message>
        <source>%1 is on lines %2: leave one out or choose another student</source>
        <translation>%1 está en las líneas %2: omita una o elija otro alumno</translation>
    </message>
</context>
<context>
    <name>ScorePreview</name>
    <message>
        <source>above the %1 possible points</source>
        <translation>por encima de los %1 puntos posibles</translation>
    </message>
    <message>
        <source>new student</source>
        <translation>alumno nuevo</translation>
    </message>
    <message>
        <source>new assignment</source>
        <translation>actividad nueva</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4, %5</source>
        <translation>%1, %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>1 score changed</source>
        <translation>1 puntuación cambiada</translation>
    </message>
    <message>
        <source>%1 scores changed</source>
        <translation>%1 puntuaciones cambiadas</translation>
    </message>
    <message>
        <source>1 unchanged</source>
        <translation>1 sin cambio</translation>
    </message>
    <message>
        <source>%1 unchanged</source>
        <translation>%1 sin cambio</translation>
    </message>
    <message>
        <source>1 new assignment</source>
        <translation>1 actividad nueva</translation>
    </message>
    <message>
        <source>%1 new assignments</source>
        <translation>%1 actividades nuevas</translation>
    </message>
    <message>
        <source>1 new student</source>
        <translation>1 alumno nuevo</translation>
    </message>
    <message>
        <source>%1 new students</source>
        <translation>%1 alumnos nuevos</translation>
    </message>
    <message>
        <source>1 refused cell</source>
        <translation>1 celda rechazada</translation>
    </message>
    <message>
        <source>%1 refused cells</source>
        <translation>%1 celdas rechazadas</translation>
    </message>
</context>
<context>
    <name>ScoreValues</name>
    <message>
        <source>&quot;%1&quot; is not a score</source>
        <translation>«%1» no es una puntuación</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters a score may have</source>
        <translation>«%1» tiene más de los %2 caracteres que puede tener una puntuación</translation>
    </message>
</context>
<context>
    <name>SeatAccessible</name>
    <message>
        <source>Seat at %1, %2 on the chart, %3 by %4</source>
        <translation>Asiento en %1, %2 del plano, de %3 por %4</translation>
    </message>
</context>
<context>
    <name>SeatChanges</name>
    <message>
        <source>A student&apos;s seat cannot be captioned &quot;%1&quot;: that caption is the teacher&apos;s.</source>
        <translation>El asiento de un alumno no puede llevar el rótulo «%1»: ese rótulo es el del profesor.</translation>
    </message>
    <message>
        <source>The seat&apos;s caption or font name is too long to be saved.</source>
        <translation>El rótulo o el nombre de la fuente del asiento es demasiado largo para guardarlo.</translation>
    </message>
    <message>
        <source>That seat is no longer on the chart.</source>
        <translation>Ese asiento ya no está en el plano.</translation>
    </message>
    <message>
        <source>Add Seat</source>
        <translation>Añadir asiento</translation>
    </message>
    <message>
        <source>Edit Seat</source>
        <translation>Editar asiento</translation>
    </message>
    <message>
        <source>The teacher&apos;s seat cannot be edited.</source>
        <translation>El asiento del profesor no se puede editar.</translation>
    </message>
    <message>
        <source>Delete Seat</source>
        <translation>Eliminar asiento</translation>
    </message>
    <message>
        <source>The teacher&apos;s seat cannot be deleted.</source>
        <translation>El asiento del profesor no se puede eliminar.</translation>
    </message>
    <message>
        <source>Move Seat</source>
        <translation>Mover asiento</translation>
    </message>
    <message>
        <source>Resize Seat</source>
        <translation>Cambiar el tamaño del asiento</translation>
    </message>
</context>
<context>
    <name>SeatItem</name>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Empty seat</source>
        <translation>Asiento vacío</translation>
    </message>
</context>
<context>
    <name>SeatingFile</name>
    <message>
        <source>the caption of %1 %2</source>
        <translation>el rótulo de %1 %2</translation>
    </message>
    <message>
        <source>the font name of %1 %2</source>
        <translation>el nombre de la fuente de %1 %2</translation>
    </message>
    <message>
        <source>seat %1</source>
        <translation>el asiento %1</translation>
    </message>
    <message>
        <source>the teacher&apos;s box</source>
        <translation>la mesa del profesor</translation>
    </message>
    <message>
        <source>The seating chart cannot be saved: %1.</source>
        <translation>No se puede guardar el plano de clase: %1.</translation>
    </message>
    <message>
        <source>the caption of %1 does not end within its %2 bytes</source>
        <translation>el rótulo de %1 no termina dentro de sus %2 bytes</translation>
    </message>
    <message>
        <source>the font name of %1 does not end within its %2 bytes</source>
        <translation>el nombre de la fuente de %1 no termina dentro de sus %2 bytes</translation>
    </message>
    <message>
        <source>it is shorter than one record of %1 bytes</source>
        <translation>es más corto que un registro de %1 bytes</translation>
    </message>
    <message>
        <source>The file %1 is damaged or is not a seating file: %2.</source>
        <translation>El archivo %1 está dañado o no es un archivo de plano de clase: %2.</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>deferred</source>
        <translation>aplazado</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>no enviado</translation>
    </message>
    <message>
        <source>mail program</source>
        <translation>programa de correo</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>Unable to read the send log %1: %2</source>
        <translation>No se pudo leer el registro de envíos %1: %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Respuesta</translation>
    </message>
</context>
<context>
    <name>SendSummary</name>
    <message>
        <source>Sent: %1. Refused: %2. Deferred: %3. Unknown: %4. Not sent: %5. Skipped (no address): %6.</source>
        <translation>Enviados: %1. Rechazados: %2. Aplazados: %3. Desconocidos: %4. No enviados: %5. Omitidos (sin dirección): %6.</translation>
    </message>
    <message>
        <source>Sending was cancelled.</source>
        <translation>Se canceló el envío.</translation>
    </message>
    <message>
        <source>Sending stopped: %1</source>
        <translation>El envío se detuvo: %1</translation>
    </message>
    <message>
        <source>Where the result is unknown, the connection was lost after the message was sent: it may have arrived.</source>
        <translation>Donde el resultado es desconocido, la conexión se perdió después de enviar el mensaje: puede haber llegado.</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sin dirección</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>no intentado</translation>
    </message>
</context>
<context>
    <name>ServerSending</name>
    <message>
        <source>The report could not be made.</source>
        <translation>No se pudo crear el informe.</translation>
    </message>
    <message>
        <source>Sending message %1 of %2...</source>
        <translation>Enviando el mensaje %1 de %2...</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>the file name has no extension</source>
        <translation>el nombre del archivo no tiene extensión</translation>
    </message>
    <message>
        <source>&quot;.%1&quot; is not a spreadsheet type Markwell writes</source>
        <translation>«.%1» no es un tipo de hoja de cálculo que Markwell sepa escribir</translation>
    </message>
    <message>
        <source>%1; use %2.</source>
        <translation>%1; use %2.</translation>
    </message>
    <message>
        <source>there is no table to write</source>
        <translation>no hay ninguna tabla que escribir</translation>
    </message>
</context>
<context>
    <name>SmtpSession</name>
    <message>
        <source>The mail library could not be started.</source>
        <translation>No se pudo iniciar la biblioteca de correo.</translation>
    </message>
    <message>
        <source>No mail server is set.</source>
        <translation>No hay ningún servidor de correo configurado.</translation>
    </message>
    <message>
        <source>A password is never sent without TLS: %1 is not on this computer. Choose STARTTLS or TLS.</source>
        <translation>Una contraseña nunca se envía sin TLS: %1 no está en este equipo. Elija STARTTLS o TLS.</translation>
    </message>
    <message>
        <source>The CA file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de CA %1.</translation>
    </message>
    <message>
        <source>The mail server %1 did not accept the user name or password: %2</source>
        <translation>El servidor de correo %1 no aceptó el nombre de usuario o la contraseña: %2</translation>
    </message>
    <message>
        <source>The mail server %1 refused the connection: %2</source>
        <translation>El servidor de correo %1 rechazó la conexión: %2</translation>
    </message>
    <message>
        <source>No secure connection to the mail server %1: %2</source>
        <translation>No hay conexión segura con el servidor de correo %1: %2</translation>
    </message>
    <message>
        <source>Unable to connect to the mail server %1: %2</source>
        <translation>No se pudo conectar con el servidor de correo %1: %2</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
</context>
<context>
    <name>StudentEditing</name>
    <message>
        <source>There is already a student named &quot;%1&quot; (capitals do not make names different).</source>
        <translation>Ya hay un alumno llamado «%1» (las mayúsculas no hacen distintos los nombres).</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>a name cannot contain &quot;~&quot;</source>
        <translation>un nombre no puede contener «~»</translation>
    </message>
    <message>
        <source>already in the class</source>
        <translation>ya está en la clase</translation>
    </message>
    <message>
        <source>Choose the student to change first.</source>
        <translation>Elija primero el alumno que quiere modificar.</translation>
    </message>
    <message>
        <source>These students were not imported:</source>
        <translation>Estos alumnos no se han importado:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>StudentFields</name>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>street</source>
        <translation>calle</translation>
    </message>
    <message>
        <source>city</source>
        <translation>ciudad</translation>
    </message>
    <message>
        <source>state</source>
        <translation>provincia</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>código postal</translation>
    </message>
    <message>
        <source>mother&apos;s name</source>
        <translation>nombre de la madre</translation>
    </message>
    <message>
        <source>mother&apos;s phone</source>
        <translation>teléfono de la madre</translation>
    </message>
    <message>
        <source>father&apos;s name</source>
        <translation>nombre del padre</translation>
    </message>
    <message>
        <source>father&apos;s phone</source>
        <translation>teléfono del padre</translation>
    </message>
    <message>
        <source>student&apos;s e-mail address</source>
        <translation>correo electrónico del alumno</translation>
    </message>
    <message>
        <source>mother&apos;s e-mail address</source>
        <translation>correo electrónico de la madre</translation>
    </message>
    <message>
        <source>father&apos;s e-mail address</source>
        <translation>correo electrónico del padre</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>comentario</translation>
    </message>
</context>
<context>
    <name>StudentPrintout</name>
    <message>
        <source>- Student ID: </source>
        <translation>- ID del alumno: </translation>
    </message>
    <message>
        <source>- Street Address: </source>
        <translation>- Dirección: </translation>
    </message>
    <message>
        <source>- City: </source>
        <translation>- Ciudad: </translation>
    </message>
    <message>
        <source>- State: </source>
        <translation>- Provincia: </translation>
    </message>
    <message>
        <source>- Zipcode: </source>
        <translation>- Código postal: </translation>
    </message>
    <message>
        <source>- Email Address: </source>
        <translation>- Correo electrónico: </translation>
    </message>
    <message>
        <source>- Mother&apos;s name: </source>
        <translation>- Nombre de la madre: </translation>
    </message>
    <message>
        <source>- Father&apos;s name: </source>
        <translation>- Nombre del padre: </translation>
    </message>
    <message>
        <source>- Mother&apos;s phone: </source>
        <translation>- Teléfono de la madre: </translation>
    </message>
    <message>
        <source>- Father&apos;s phone: </source>
        <translation>- Teléfono del padre: </translation>
    </message>
    <message>
        <source>- Mother&apos;s E-mail: </source>
        <translation>- Correo electrónico de la madre: </translation>
    </message>
    <message>
        <source>- Father&apos;s E-mail: </source>
        <translation>- Correo electrónico del padre: </translation>
    </message>
    <message>
        <source>- Comments: </source>
        <translation>- Comentarios: </translation>
    </message>
</context>
<context>
    <name>TableActions</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;Grid Lines</source>
        <translation>&amp;Líneas de cuadrícula</translation>
    </message>
    <message>
        <source>Toggle Grid Lines</source>
        <translation>Mostrar u ocultar las líneas de cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fuente...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Ascendente</translation>
    </message>
    <message>
        <source>Sort Ascending</source>
        <translation>Orden ascendente</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Descendente</translation>
    </message>
    <message>
        <source>Sort Descending</source>
        <translation>Orden descendente</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <comment>the folder of the help pages in this language: es, fr</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>TypedPoints</name>
    <message>
        <source>Points can only be typed into a student&apos;s row under an assignment.</source>
        <translation>Los puntos solo se pueden escribir en la fila de un alumno, bajo una actividad.</translation>
    </message>
    <message>
        <source>Typed Points</source>
        <translation>Introducir puntos</translation>
    </message>
</context>
<context>
    <name>Validators</name>
    <message>
        <source>a line break</source>
        <translation>un salto de línea</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>un tabulador</translation>
    </message>
    <message>
        <source>a control character (code %1)</source>
        <translation>un carácter de control (código %1)</translation>
    </message>
    <message>
        <source>The %1 cannot hold %2: &quot;%3&quot;.</source>
        <translation>El campo «%1» no puede contener %2: «%3».</translation>
    </message>
    <message>
        <source>The %1 cannot be kept: %2</source>
        <translation>No se puede conservar el campo «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of points. Type a number such as 17 or 17.5 (at most %2 characters), or &quot;-&quot; when the assignment does not count for this student.</source>
        <translation>«%1» no es un número de puntos. Escriba un número como 17 o 17,5 (como máximo %2 caracteres), o «-» si la actividad no cuenta para este alumno.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of possible points. Type a number such as 100 or 17.5 (at most %2 characters).</source>
        <translation>«%1» no es un número de puntos posibles. Escriba un número como 100 o 17,5 (como máximo %2 caracteres).</translation>
    </message>
    <message>
        <source>The %1 is %2 characters long; it can hold at most %3.</source>
        <translation>El campo «%1» tiene %2 caracteres; admite como máximo %3.</translation>
    </message>
    <message>
        <source>Invalid Student Name!</source>
        <translation>¡Nombre de alumno no válido!</translation>
    </message>
    <message>
        <source>A student&apos;s name cannot contain &quot;~&quot;: &quot;%1&quot;.</source>
        <translation>El nombre de un alumno no puede contener «~»: «%1».</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>The %1 is %2 characters long (a line break counts as two); it can hold at most %3. Please shorten it.</source>
        <translation>El campo «%1» tiene %2 caracteres (un salto de línea cuenta como dos); admite como máximo %3. Acórtelo, por favor.</translation>
    </message>
</context>
<context>
    <name>WhatItTakes</name>
    <message>
        <source>&quot;%1&quot; is not a letter of the grade scale</source>
        <translation>«%1» no es una letra de la escala de calificaciones</translation>
    </message>
    <message>
        <source>Needs %1 of %2 points on &quot;%3&quot; for %4 (average %5).</source>
        <translation>Necesita %1 de %2 puntos en «%3» para %4 (media %5).</translation>
    </message>
    <message>
        <source>%1 is reached with 0 points on &quot;%2&quot; (average %3).</source>
        <translation>%1 se alcanza con 0 puntos en «%2» (media %3).</translation>
    </message>
    <message>
        <source>%1 is out of reach on &quot;%2&quot;: %3 of %3 points give %4 (average %5).</source>
        <translation>%1 queda fuera de alcance en «%2»: %3 de %3 puntos dan %4 (media %5).</translation>
    </message>
</context>
<context>
    <name>XlsWriter</name>
    <message>
        <source>the workbook has no table to write</source>
        <translation>el libro no tiene ninguna tabla que escribir</translation>
    </message>
    <message>
        <source>the table uses %1 different cell formats; a .xls file holds at most %2. Save it as .xlsx or .csv instead.</source>
        <translation>la tabla usa %1 formatos de celda distintos; un archivo .xls admite como máximo %2. Guárdela como .xlsx o .csv.</translation>
    </message>
</context>
<context>
    <name>XlsxWriter</name>
    <message>
        <source>cell %1: %2</source>
        <translation>celda %1: %2</translation>
    </message>
    <message>
        <source>print header: %1</source>
        <translation>encabezado de impresión: %1</translation>
    </message>
    <message>
        <source>the worksheet could not be added</source>
        <translation>no se ha podido añadir la hoja</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>no se ha podido iniciar el libro</translation>
    </message>
    <message>
        <source>the workbook has no table to write</source>
        <translation>el libro no tiene ninguna tabla que escribir</translation>
    </message>
</context>
<context>
    <name>markwell::AboutDialog</name>
    <message>
        <source>Copyright 2026 The Computerized Markwell developers.&lt;br&gt;Markwell is free software: you may share and change it under the terms of the &lt;a href=&quot;%1&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or any later version. It comes with no warranty.</source>
        <translation>Copyright 2026 Los desarrolladores de Computerized Markwell.&lt;br&gt;Markwell es software libre: puede compartirlo y modificarlo según los términos de la &lt;a href=&quot;%1&quot;&gt;Licencia Pública General de GNU&lt;/a&gt;, versión 3 o cualquier versión posterior. Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>About Markwell</source>
        <translation>Acerca de Markwell</translation>
    </message>
    <message>
        <source>Computerized Markwell</source>
        <translation>Computerized Markwell</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Versión 2.0</translation>
    </message>
    <message>
        <source>A class record for teachers: grades, attendance and seating.</source>
        <translation>Un cuaderno de notas para profesores: notas, asistencia y plano de clase.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Escríbanos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>markwell::AssignmentListDialog</name>
    <message>
        <source>Total number of assignments: %1</source>
        <translation>Número total de actividades: %1</translation>
    </message>
    <message>
        <source>Assignment List</source>
        <translation>Lista de actividades</translation>
    </message>
    <message>
        <source>Added Assi&amp;gnments</source>
        <translation>Actividades &amp;introducidas</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>T&amp;ype</source>
        <translation>Tip&amp;o</translation>
    </message>
    <message>
        <source>De&amp;scription</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>Keep the changes made to &quot;%1&quot;?</source>
        <translation>¿Conservar los cambios hechos en «%1»?</translation>
    </message>
    <message>
        <source>Add &quot;%1&quot;, typed but not added yet, to the assignments?</source>
        <translation>¿Añadir a las actividades «%1», que está escrita pero aún no se ha añadido?</translation>
    </message>
    <message>
        <source>Remove all assignments?</source>
        <translation>¿Eliminar todas las actividades?</translation>
    </message>
    <message>
        <source>The assignments could not be printed: </source>
        <translation>No se han podido imprimir las actividades: </translation>
    </message>
    <message>
        <source>Added assignments</source>
        <translation>Actividades introducidas</translation>
    </message>
</context>
<context>
    <name>markwell::AttendanceAnalysisWindow</name>
    <message>
        <source>Attendance Analysis</source>
        <translation>Análisis de asistencia</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Its marks are not counted here.</source>
        <translation>Sus marcas no se cuentan aquí.</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Año</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>Al&amp;umno</translation>
    </message>
    <message>
        <source>The attendance analysis could not be printed: </source>
        <translation>No se ha podido imprimir el análisis de asistencia: </translation>
    </message>
    <message>
        <source>Attendance analysis</source>
        <translation>Análisis de asistencia</translation>
    </message>
</context>
<context>
    <name>markwell::AttendancePage</name>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mes:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>T - Tardy</source>
        <translation>T - Retraso</translation>
    </message>
    <message>
        <source>U - Unexcused Absence</source>
        <translation>U - Falta injustificada</translation>
    </message>
    <message>
        <source>E - Excused Absence</source>
        <translation>E - Falta justificada</translation>
    </message>
    <message>
        <source>Tardy</source>
        <translation>Retraso</translation>
    </message>
    <message>
        <source>Unexcused Absence</source>
        <translation>Falta injustificada</translation>
    </message>
    <message>
        <source>Excused Absence</source>
        <translation>Falta justificada</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No marks can be recorded until that file is deleted or renamed and the class is saved or opened again.</source>
        <translation>No se puede anotar nada hasta que se elimine o se cambie el nombre de ese archivo y la clase se guarde o se vuelva a abrir.</translation>
    </message>
    <message>
        <source>Attendance</source>
        <translation>Asistencia</translation>
    </message>
    <message>
        <source>A row for each student, a column for each day of the month: T marks a tardy, U an unexcused absence, E an excused absence.</source>
        <translation>Una fila por alumno y una columna por día del mes: T anota un retraso, U una falta injustificada y E una falta justificada.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <source>Unexcused absence</source>
        <translation>Falta injustificada</translation>
    </message>
    <message>
        <source>Excused absence</source>
        <translation>Falta justificada</translation>
    </message>
    <message>
        <source>Tardies</source>
        <translation>Retrasos</translation>
    </message>
    <message>
        <source>Unexcused absences</source>
        <translation>Faltas injustificadas</translation>
    </message>
    <message>
        <source>Excused absences</source>
        <translation>Faltas justificadas</translation>
    </message>
</context>
<context>
    <name>markwell::ClassHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>markwell::ClassImportDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>markwell::CurveDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Ajustar notas</translation>
    </message>
    <message>
        <source>&amp;Assignment:</source>
        <translation>&amp;Actividad:</translation>
    </message>
    <message>
        <source>Old and new scores</source>
        <translation>Notas antiguas y nuevas</translation>
    </message>
    <message>
        <source>The class before and after</source>
        <translation>La clase antes y después</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Sumar</translation>
    </message>
    <message>
        <source>Scale so that the &amp;highest score becomes the possible points</source>
        <translation>&amp;Escalar para que la nota más alta valga los puntos posibles</translation>
    </message>
    <message>
        <source>Set the &amp;mean to</source>
        <translation>&amp;Llevar la media a</translation>
    </message>
    <message>
        <source>Ma&amp;p</source>
        <translation>Trans&amp;formar</translation>
    </message>
    <message>
        <source>points to every score</source>
        <translation>puntos a cada nota</translation>
    </message>
    <message>
        <source>% of the possible points</source>
        <translation>% de los puntos posibles</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Sin redondear</translation>
    </message>
    <message>
        <source>To whole points</source>
        <translation>A puntos enteros</translation>
    </message>
    <message>
        <source>To half points</source>
        <translation>A medios puntos</translation>
    </message>
    <message>
        <source>&amp;Round:</source>
        <translation>&amp;Redondear:</translation>
    </message>
    <message>
        <source>Cap a&amp;t the possible points</source>
        <translation>Sin &amp;pasar de los puntos posibles</translation>
    </message>
    <message>
        <source>Possible points: %1</source>
        <translation>Puntos posibles: %1</translation>
    </message>
    <message>
        <source>Scores that change: %1. Edit &gt; Undo takes the curve back.</source>
        <translation>Notas que cambian: %1. Editar &gt; Deshacer anula el ajuste.</translation>
    </message>
    <message>
        <source>Points to add</source>
        <translation>Puntos que sumar</translation>
    </message>
    <message>
        <source>Mean in percent of the possible points</source>
        <translation>Media en porcentaje de los puntos posibles</translation>
    </message>
    <message>
        <source>Low score</source>
        <translation>Nota baja</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Nota alta</translation>
    </message>
    <message>
        <source>New low score</source>
        <translation>Nueva nota baja</translation>
    </message>
    <message>
        <source>New high score</source>
        <translation>Nueva nota alta</translation>
    </message>
</context>
<context>
    <name>markwell::DocumentCommands</name>
    <message>
        <source>Do you wish to save changes?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Do you wish to save changes to &quot;%1&quot;?</source>
        <translation>¿Desea guardar los cambios en «%1»?</translation>
    </message>
    <message>
        <source>Open Markwell File</source>
        <translation>Abrir archivo de Markwell</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in another Markwell window; changes saved there and here will overwrite each other.</source>
        <translation>«%1» está abierto en otra ventana de Markwell; los cambios que se guarden allí y aquí se sobrescribirán entre sí.</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Abrir de todos modos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Markwell As</source>
        <translation>Guardar archivo de Markwell como</translation>
    </message>
    <message>
        <source>The grades table was written to %1; the class itself is not saved.</source>
        <translation>La tabla de notas se ha escrito en %1; la clase en sí no se ha guardado.</translation>
    </message>
    <message>
        <source>The grades table was written to %1.</source>
        <translation>La tabla de notas se ha escrito en %1.</translation>
    </message>
    <message>
        <source>No earlier version of %1 could be kept: %2</source>
        <translation>No se ha podido conservar ninguna versión anterior de %1: %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another program; the class is not saved. Try again in a moment.</source>
        <translation>Otro programa está modificando %1; la clase no se ha guardado. Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar co&amp;mo…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since it was opened. Overwrite it?</source>
        <translation>Otro programa ha modificado «%1» desde que se abrió. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since it was opened. Your changes are kept; saving will ask before overwriting it.</source>
        <translation>Otro programa ha modificado «%1» desde que se abrió. Sus cambios se conservan; al guardar se le preguntará antes de sobrescribirlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since it was opened. Reload it?</source>
        <translation>Otro programa ha modificado «%1» desde que se abrió. ¿Volver a cargarlo?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; held 1 byte after the end of the class, which was skipped when it was opened. Saving writes the class without it; the earlier version keeps the file as it was. Save anyway?</source>
        <translation>«%1» contenía 1 byte después del final de la clase, que se omitió al abrirla. Al guardar, la clase se escribe sin él; la versión anterior conserva el archivo como estaba. ¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; held %2 bytes after the end of the class, which were skipped when it was opened. Saving writes the class without them; the earlier version keeps the file as it was. Save anyway?</source>
        <translation>«%1» contenía %2 bytes después del final de la clase, que se omitieron al abrirla. Al guardar, la clase se escribe sin ellos; la versión anterior conserva el archivo como estaba. ¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <source>New from Class</source>
        <translation>Nueva desde una clase</translation>
    </message>
</context>
<context>
    <name>markwell::DropRuleDialog</name>
    <message>
        <source>Drop Scores</source>
        <translation>Descartar notas</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t drop lowest score</source>
        <translation>&amp;No descartar ninguna nota</translation>
    </message>
    <message>
        <source>Drop lowest score &amp;overall</source>
        <translation>Descartar la nota más baja de &amp;todas</translation>
    </message>
    <message>
        <source>Drop lowest score by assignment t&amp;ype</source>
        <translation>Descartar la nota más baja &amp;por tipo de actividad</translation>
    </message>
    <message>
        <source>Drop lowest score in &quot;%1&quot; type</source>
        <translation>Descartar la nota más baja del tipo «%1»</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Final</source>
        <translation>Examen &amp;final</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Examen</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>Contro&amp;l</translation>
    </message>
    <message>
        <source>Home&amp;work</source>
        <translation>&amp;Deberes</translation>
    </message>
    <message>
        <source>&amp;Lab</source>
        <translation>P&amp;rácticas</translation>
    </message>
    <message>
        <source>Ot&amp;her</source>
        <translation>&amp;Otros</translation>
    </message>
</context>
<context>
    <name>markwell::EarlierVersionsDialog</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Earlier Versions of %1</source>
        <translation>Versiones anteriores de %1</translation>
    </message>
    <message>
        <source>No earlier version of this class is kept yet: one is kept each time a save replaces the class.</source>
        <translation>Aún no se conserva ninguna versión anterior de esta clase: se conserva una cada vez que al guardar se reemplaza la clase.</translation>
    </message>
    <message>
        <source>The version you open becomes a new, untitled class; save it where you like. The class on disk stays as it is.</source>
        <translation>La versión que abra se convierte en una clase nueva sin título; guárdela donde quiera. La clase del disco se queda como está.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versiones anteriores</translation>
    </message>
</context>
<context>
    <name>markwell::EditGradesDialog</name>
    <message>
        <source>Edit Grades</source>
        <translation>Editar notas</translation>
    </message>
    <message>
        <source>Grade Information</source>
        <translation>Información de notas</translation>
    </message>
    <message>
        <source>&amp;Assignments</source>
        <translation>&amp;Actividades</translation>
    </message>
    <message>
        <source>&amp;Total</source>
        <translation>&amp;Total</translation>
    </message>
    <message>
        <source>&amp;Grades</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <source>- used when assignment should not count towards grade</source>
        <translation>- se usa cuando la actividad no debe contar para la nota</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Clear all points of &quot;%1&quot;?</source>
        <translation>¿Borrar todos los puntos de «%1»?</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>A row for each student: type the points into the second column.</source>
        <translation>Una fila por alumno: escriba los puntos en la segunda columna.</translation>
    </message>
</context>
<context>
    <name>markwell::EditingCommands</name>
    <message>
        <source>Edit Students</source>
        <translation>Editar alumnos</translation>
    </message>
    <message>
        <source>Edit Assignments</source>
        <translation>Editar actividades</translation>
    </message>
    <message>
        <source>Edit Grades</source>
        <translation>Editar notas</translation>
    </message>
</context>
<context>
    <name>markwell::FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>S&amp;trikeout</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>C&amp;olor...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>The class asks for &quot;%1&quot;, which this computer lacks; it is shown with %2.</source>
        <translation>La clase pide «%1», que no está en este ordenador; se muestra con %2.</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>T&amp;amaño:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de la fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>The colour of the text: opens a choice of colours.</source>
        <translation>El color del texto: abre una selección de colores.</translation>
    </message>
</context>
<context>
    <name>markwell::GradeFileChooser</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Choose the grade file to import from</source>
        <translation>Elija el archivo de notas del que importar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>A&amp;rchivo</translation>
    </message>
    <message>
        <source>Markwell or CSV File (*.grs *.csv)</source>
        <translation>Archivo de Markwell o CSV (*.grs *.csv)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Type the path of a file and press Enter, or choose one with Browse</source>
        <translation>Escriba la ruta de un archivo y pulse Intro, o elija uno con Examinar</translation>
    </message>
</context>
<context>
    <name>markwell::GradeInformationWindow</name>
    <message>
        <source>Assignments</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Grade Information</source>
        <translation>Información de notas</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>General</translation>
    </message>
    <message>
        <source>&amp;Absent</source>
        <translation>&amp;Ausentes</translation>
    </message>
    <message>
        <source>&amp;Zero&apos;s</source>
        <translation>&amp;Ceros</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>Distribución</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Sin nota</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Ausentes</translation>
    </message>
    <message>
        <source>Zeros</source>
        <translation>Ceros</translation>
    </message>
    <message>
        <source>Information pages</source>
        <translation>Páginas de información</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Missing scores</source>
        <translation>Notas que faltan</translation>
    </message>
</context>
<context>
    <name>markwell::GradeScaleDialog</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>Grade Scale</source>
        <translation>Escala de calificaciones</translation>
    </message>
    <message>
        <source>Min %</source>
        <translation>Mín. %</translation>
    </message>
    <message>
        <source>Max %</source>
        <translation>Máx. %</translation>
    </message>
    <message>
        <source>Invalid value! A bound is a percentage such as 90 or 89.9.</source>
        <translation>¡Valor no válido! Un límite es un porcentaje como 90 o 89,9.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>S&amp;tandard</source>
        <translation>E&amp;stándar</translation>
    </message>
    <message>
        <source>&amp;Expanded</source>
        <translation>&amp;Ampliada</translation>
    </message>
    <message>
        <source>&amp;Pass/Fail</source>
        <translation>A&amp;pto/No apto</translation>
    </message>
    <message>
        <source>The grade scale &quot;%1&quot; could not be saved: %2</source>
        <translation>No se ha podido guardar la escala de calificaciones «%1»: %2</translation>
    </message>
    <message>
        <source>Change the scale &quot;%1&quot; for every class that uses it?</source>
        <translation>¿Cambiar la escala «%1» en todas las clases que la usan?</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Save as New...</source>
        <translation>Guardar como nueva...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saved Grade Scale</source>
        <translation>Escala de calificaciones guardada</translation>
    </message>
    <message>
        <source>Save the grade scale as:</source>
        <translation>Guardar la escala de calificaciones como:</translation>
    </message>
    <message>
        <source>A grade scale named &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Ya existe una escala de calificaciones llamada «%1». ¿Desea sustituirla?</translation>
    </message>
    <message>
        <source>The scale %1 cannot be deleted: new classes use it.</source>
        <translation>La escala %1 no se puede eliminar: la usan las clases nuevas.</translation>
    </message>
    <message>
        <source>Delete the grade scale &quot;%1&quot;? It is gone for every class on this computer; classes that use it keep their own copy.</source>
        <translation>¿Eliminar la escala de calificaciones «%1»? Desaparecerá para todas las clases de este ordenador; las clases que la usan conservan su propia copia.</translation>
    </message>
    <message>
        <source>The grade scale &quot;%1&quot; could not be deleted: %2</source>
        <translation>No se ha podido eliminar la escala de calificaciones «%1»: %2</translation>
    </message>
    <message>
        <source>Letter grades</source>
        <translation>Calificaciones</translation>
    </message>
    <message>
        <source>The lowest and highest percent of each letter grade.</source>
        <translation>El porcentaje mínimo y máximo de cada calificación.</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>Esca&amp;la</translation>
    </message>
</context>
<context>
    <name>markwell::GradesPage</name>
    <message>
        <source>Names are changed in Lists &gt; Students…</source>
        <translation>Los nombres se cambian en Listas &gt; Alumnos…</translation>
    </message>
    <message>
        <source>Assignment titles are changed in Lists &gt; Assignments…</source>
        <translation>Los títulos de las actividades se cambian en Listas &gt; Actividades…</translation>
    </message>
    <message>
        <source>Totals are set in Grades &gt; Edit…</source>
        <translation>Los totales se fijan en Notas &gt; Editar…</translation>
    </message>
    <message>
        <source>Select points cells alone to type into them.</source>
        <translation>Seleccione solo celdas de puntos para escribir en ellas.</translation>
    </message>
    <message>
        <source>Points are typed into the students&apos; rows.</source>
        <translation>Los puntos se escriben en las filas de los alumnos.</translation>
    </message>
    <message>
        <source>The Total column adds up the points of the assignments.</source>
        <translation>La columna Total suma los puntos de las actividades.</translation>
    </message>
    <message>
        <source>Averages are worked out from the points; Grades &gt; Weighted… and Drop Lowest… change how.</source>
        <translation>Las medias se calculan a partir de los puntos; Notas &gt; Ponderación… y Descartar la nota más baja… cambian el cálculo.</translation>
    </message>
    <message>
        <source>Grades follow from the averages and the grade scale (Grades &gt; Scale…).</source>
        <translation>Las calificaciones salen de las medias y de la escala de calificaciones (Notas &gt; Escala…).</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>descartada</translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>A row for each student, a column for each assignment, then the total, the average and the grade.</source>
        <translation>Una fila por alumno y una columna por actividad, seguidas del total, la media y la calificación.</translation>
    </message>
</context>
<context>
    <name>markwell::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print (%1)</source>
        <translation>Imprimir (%1)</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>General</translation>
    </message>
    <message>
        <source>The graph could not be printed: </source>
        <translation>No se ha podido imprimir el gráfico: </translation>
    </message>
</context>
<context>
    <name>markwell::HelpWindow</name>
    <message>
        <source>Markwell Help</source>
        <translation>Ayuda de Markwell</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Markwell Help - %1</source>
        <translation>Ayuda de Markwell - %1</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Índice de la ayuda</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
</context>
<context>
    <name>markwell::HistoryWindow</name>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historial de %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&amp;Student:</source>
        <translation>&amp;Alumno:</translation>
    </message>
    <message>
        <source>&amp;Assignment:</source>
        <translation>Ac&amp;tividad:</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;Desde el:</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>&amp;Hasta el:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>Copy the lines listed, to paste them into a spreadsheet or a letter</source>
        <translation>Copia las líneas mostradas, para pegarlas en una hoja de cálculo o una carta</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>&amp;Forget Student...</source>
        <translation>&amp;Olvidar alumno...</translation>
    </message>
    <message>
        <source>Remove every line of the student chosen above from the history, for a student who has left</source>
        <translation>Quita del historial todas las líneas del alumno elegido arriba, para un alumno que se ha ido</translation>
    </message>
    <message>
        <source>(every student)</source>
        <translation>(todos los alumnos)</translation>
    </message>
    <message>
        <source>(every assignment)</source>
        <translation>(todas las actividades)</translation>
    </message>
    <message>
        <source>The history is complete from %1 on: older entries went to keep the history database under 500 MB.</source>
        <translation>El historial está completo desde el %1: las entradas anteriores se quitaron para que la base de datos del historial no pase de 500 MB.</translation>
    </message>
    <message>
        <source>Nothing recorded here yet: each save of the class adds an entry.</source>
        <translation>Aquí no hay nada registrado todavía: cada guardado de la clase añade una entrada.</translation>
    </message>
    <message>
        <source>Saved in Markwell: %1</source>
        <translation>Guardado en Markwell: %1</translation>
    </message>
    <message>
        <source>Export the History</source>
        <translation>Exportar el historial</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>-history</source>
        <translation>-historial</translation>
    </message>
    <message>
        <source>Remove every line of %1 from the history of this class? This cannot be undone; the class and its marks stay as they are.</source>
        <translation>¿Quitar todas las líneas de %1 del historial de esta clase? No se puede deshacer; la clase y sus notas quedan como están.</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Olvidar</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conservar</translation>
    </message>
</context>
<context>
    <name>markwell::ImportAssignmentsDialog</name>
    <message>
        <source>&amp;Assignments (Ctrl+A selects them all)</source>
        <translation>&amp;Actividades (Ctrl+A las selecciona todas)</translation>
    </message>
    <message>
        <source>Import Assignments</source>
        <translation>Importar actividades</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>markwell::ImportScoresDialog</name>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Student&apos;s name</source>
        <translation>Nombre del alumno</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nombre de pila</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Identificador del alumno</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Dirección de correo</translation>
    </message>
    <message>
        <source>Login (an e-mail address)</source>
        <translation>Usuario (una dirección de correo)</translation>
    </message>
    <message>
        <source>New assignment</source>
        <translation>Actividad nueva</translation>
    </message>
    <message>
        <source>&amp;Missing counts as 0</source>
        <translation>Lo no entre&amp;gado cuenta como 0</translation>
    </message>
    <message>
        <source>&amp;Add students not in the class</source>
        <translation>Añadir alumnos que &amp;no están en la clase</translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation>Importar puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Students</source>
        <translation>A&amp;lumnos</translation>
    </message>
    <message>
        <source>C&amp;hanges</source>
        <translation>Ca&amp;mbios</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>Pro&amp;blemas</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Student ID, else e-mail address, else name</source>
        <translation>Identificador, si no dirección de correo, si no nombre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>A&amp;rchivo:</translation>
    </message>
    <message>
        <source>Read as:</source>
        <translation>Leído como:</translation>
    </message>
    <message>
        <source>Match students b&amp;y:</source>
        <translation>Emparejar alumnos &amp;por:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>En el archivo</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Students of the class &amp;not in the file:</source>
        <translation>Alumnos de la clase que no es&amp;tán en el archivo:</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Possible points</source>
        <translation>Puntos posibles</translation>
    </message>
    <message>
        <source>As matched</source>
        <translation>Según el emparejamiento</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Add as a new student</source>
        <translation>Añadir como alumno nuevo</translation>
    </message>
    <message>
        <source>Gradebook (*.csv *.txt)</source>
        <translation>Libro de calificaciones (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The scores cannot be read: %1</source>
        <translation>No se pueden leer las puntuaciones: %1</translation>
    </message>
    <message>
        <source>(left out)</source>
        <translation>(omitida)</translation>
    </message>
    <message>
        <source>(no student)</source>
        <translation>(ningún alumno)</translation>
    </message>
    <message>
        <source>(several students)</source>
        <translation>(varios alumnos)</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Nueva: %1</translation>
    </message>
    <message>
        <source>no assignment of this title</source>
        <translation>ninguna actividad con este título</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Settle the %1 problem(s) listed under Problems before importing.</source>
        <translation>Resuelva los %1 problemas de la pestaña Problemas antes de importar.</translation>
    </message>
    <message>
        <source>Nothing to import: the class has these scores already.</source>
        <translation>Nada que importar: la clase ya tiene estas puntuaciones.</translation>
    </message>
    <message>
        <source>Col&amp;umns</source>
        <translation>Col&amp;umnas</translation>
    </message>
</context>
<context>
    <name>markwell::ImportStudentsDialog</name>
    <message>
        <source>&amp;Students (Ctrl+A selects them all)</source>
        <translation>&amp;Alumnos (Ctrl+A los selecciona todos)</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Importar alumnos</translation>
    </message>
</context>
<context>
    <name>markwell::IndividualReportWindow</name>
    <message>
        <source>No assignments: there is no grade to explain.</source>
        <translation>No hay actividades: no hay ninguna nota que explicar.</translation>
    </message>
    <message>
        <source>Individual Student Information</source>
        <translation>Información individual del alumno</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>&amp;Alumno</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Assignment Type</source>
        <translation>Tipo de actividad</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Por qué</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Send the Overall table and the Why table to the student as a spreadsheet file</source>
        <translation>Enviar al alumno las tablas General y Por qué como hoja de cálculo</translation>
    </message>
    <message>
        <source>The grades could not be written for the message, so no message was started.</source>
        <translation>No se han podido escribir las notas para el mensaje, así que no se ha creado ningún mensaje.</translation>
    </message>
    <message>
        <source>Grade Statistics</source>
        <translation>Estadísticas de notas</translation>
    </message>
    <message>
        <source>Current grades: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Notas actuales: <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Report pages</source>
        <translation>Páginas del informe</translation>
    </message>
    <message>
        <source>Assignment type</source>
        <translation>Tipo de actividad</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>Every change of this student&apos;s marks, with when and from what</source>
        <translation>Cada cambio de las notas de este alumno, con cuándo y desde qué valor</translation>
    </message>
</context>
<context>
    <name>markwell::MailQueueWindow</name>
    <message>
        <source>&amp;Open in Mail Program</source>
        <translation>&amp;Abrir en el programa de correo</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Messages for the Mail Program</source>
        <translation>Mensajes para el programa de correo</translation>
    </message>
    <message>
        <source>Each message opens in your mail program with its report attached: check it and send it from there.</source>
        <translation>Cada mensaje se abre en su programa de correo con su informe adjunto: revíselo y envíelo desde allí.</translation>
    </message>
    <message>
        <source>Message %1 of %2 — %3 (%4)</source>
        <translation>Mensaje %1 de %2 — %3 (%4)</translation>
    </message>
    <message>
        <source>%1 of %2 messages were opened in the mail program.</source>
        <translation>Se abrieron %1 de %2 mensajes en el programa de correo.</translation>
    </message>
</context>
<context>
    <name>markwell::MailServerPage</name>
    <message>
        <source>Fo&amp;rget the kept password</source>
        <translation>Ol&amp;vidar la contraseña guardada</translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>kept in the desktop&apos;s keyring</source>
        <translation>guardada en el llavero del escritorio</translation>
    </message>
    <message>
        <source>smtp.school.example</source>
        <translation>smtp.centro.example</translation>
    </message>
    <message>
        <source>teacher@school.example</source>
        <translation>docente@centro.example</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>&amp;Server</source>
        <translation>&amp;Servidor</translation>
    </message>
    <message>
        <source>Por&amp;t</source>
        <translation>P&amp;uerto</translation>
    </message>
    <message>
        <source>Securit&amp;y</source>
        <translation>Seg&amp;uridad</translation>
    </message>
    <message>
        <source>&amp;User name</source>
        <translation>&amp;Nombre de usuario</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Contrase&amp;ña</translation>
    </message>
    <message>
        <source>Sender&apos;s &amp;name</source>
        <translation>Nombre del re&amp;mitente</translation>
    </message>
    <message>
        <source>Sender&apos;s a&amp;ddress</source>
        <translation>&amp;Dirección del remitente</translation>
    </message>
    <message>
        <source>CA &amp;file</source>
        <translation>&amp;Archivo de CA</translation>
    </message>
    <message>
        <source>&amp;Pause between messages</source>
        <translation>&amp;Pausa entre mensajes</translation>
    </message>
    <message>
        <source>Leave the server empty to send through your mail program. Some providers (Gmail, Microsoft 365) take only an app password here.</source>
        <translation>Deje el servidor vacío para enviar a través de su programa de correo. Algunos proveedores (Gmail, Microsoft 365) solo aceptan aquí una contraseña de aplicación.</translation>
    </message>
    <message>
        <source>Certificate Authority</source>
        <translation>Autoridad de certificación</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt *.cer)</source>
        <translation>Certificados (*.pem *.crt *.cer)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Please type the sender&apos;s e-mail address: the messages go from it.</source>
        <translation>Escriba la dirección de correo del remitente: los mensajes salen de ella.</translation>
    </message>
    <message>
        <source>The CA file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de CA %1.</translation>
    </message>
    <message>
        <source>The password will be asked for each time messages are sent.</source>
        <translation>La contraseña se pedirá cada vez que se envíen mensajes.</translation>
    </message>
</context>
<context>
    <name>markwell::MainWindow</name>
    <message>
        <source>Grades</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Attendance</source>
        <translation>Asistencia</translation>
    </message>
    <message>
        <source>Seating</source>
        <translation>Plano de clase</translation>
    </message>
    <message>
        <source>Markwell File: </source>
        <translation>Archivo de Markwell: </translation>
    </message>
    <message>
        <source>&lt; None &gt;</source>
        <translation>&lt; Ninguno &gt;</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1[*] — Computerized Markwell</source>
        <translation>%1[*] — Computerized Markwell</translation>
    </message>
    <message>
        <source>Save the class and add students to open the %1 page.</source>
        <translation>Guarde la clase y añada alumnos para abrir la página %1.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>Orde&amp;nar</translation>
    </message>
    <message>
        <source>Seating C&amp;hart</source>
        <translation>&amp;Plano de clase</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>&amp;Grades</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Asientos</translation>
    </message>
    <message>
        <source>Save the class and add students to open this page.</source>
        <translation>Guarde la clase y añada alumnos para abrir esta página.</translation>
    </message>
    <message>
        <source>The attendance could not be printed: </source>
        <translation>No se ha podido imprimir la asistencia: </translation>
    </message>
    <message>
        <source>The pages could not be printed: </source>
        <translation>No se han podido imprimir las páginas: </translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Expor&amp;t</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>%1, version %2 (unsaved)</source>
        <translation>%1, versión %2 (sin guardar)</translation>
    </message>
</context>
<context>
    <name>markwell::MergeSetupDialog</name>
    <message>
        <source>&amp;Merge...</source>
        <translation>Co&amp;mbinar...</translation>
    </message>
    <message>
        <source>Merge Setup</source>
        <translation>Preparar la combinación</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>File&amp;1</source>
        <translation>Archivo &amp;1</translation>
    </message>
    <message>
        <source>Choose the first file</source>
        <translation>Elija el primer archivo</translation>
    </message>
    <message>
        <source>File&amp;2</source>
        <translation>Archivo &amp;2</translation>
    </message>
    <message>
        <source>Choose the second file</source>
        <translation>Elija el segundo archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Select 1st Merge File</source>
        <translation>Seleccionar el primer archivo que combinar</translation>
    </message>
    <message>
        <source>Select 2nd Merge File</source>
        <translation>Seleccionar el segundo archivo que combinar</translation>
    </message>
</context>
<context>
    <name>markwell::MergedReportWindow</name>
    <message>
        <source>Merged Files</source>
        <translation>Archivos combinados</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>With Student &amp;Names</source>
        <translation>Con &amp;nombres de alumnos</translation>
    </message>
    <message>
        <source>With Student &amp;ID&apos;s</source>
        <translation>Con &amp;ID de alumnos</translation>
    </message>
    <message>
        <source>Grade &amp;Scale...</source>
        <translation>E&amp;scala de calificaciones...</translation>
    </message>
    <message>
        <source>Grade Scale</source>
        <translation>Escala de calificaciones</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>The merged report could not be printed: </source>
        <translation>No se ha podido imprimir el informe combinado: </translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be used for the report; please choose another.</source>
        <translation>La fuente «%1» no se puede usar para el informe; elija otra, por favor.</translation>
    </message>
    <message>
        <source>Merged grades</source>
        <translation>Notas combinadas</translation>
    </message>
</context>
<context>
    <name>markwell::ModifySeatDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>Fill &amp;Color</source>
        <translation>&amp;Color de relleno</translation>
    </message>
    <message>
        <source>Modify Seating Chart</source>
        <translation>Modificar plano de clase</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be kept in the seating file: its name is too long or holds a character the file cannot store. Please choose another.</source>
        <translation>La fuente «%1» no se puede guardar en el archivo del plano de clase: su nombre es demasiado largo o contiene un carácter que el archivo no puede guardar. Elija otra, por favor.</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Color de relleno</translation>
    </message>
    <message>
        <source>A seat cannot be called &quot;%1&quot;: the seating file keeps that name for the teacher&apos;s desk, so the seat would become the teacher&apos;s desk when the class is opened again. Please choose another name.</source>
        <translation>Un asiento no puede llamarse «%1»: el archivo del plano de clase reserva ese nombre para la mesa del profesor, así que el asiento se convertiría en la mesa del profesor al volver a abrir la clase. Elija otro nombre, por favor.</translation>
    </message>
    <message>
        <source>The colour the seat is filled with: opens a choice of colours.</source>
        <translation>El color de relleno del asiento: abre una selección de colores.</translation>
    </message>
</context>
<context>
    <name>markwell::MyClassesWindow</name>
    <message>
        <source>My Classes</source>
        <translation>Mis clases</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Clases</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Ca&amp;rpeta:</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>Archivos recien&amp;tes</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Rea&amp;d Again</source>
        <translation>&amp;Leer de nuevo</translation>
    </message>
    <message>
        <source>No letter</source>
        <translation>Ninguna letra</translation>
    </message>
    <message>
        <source>Count the students at or below &amp;letter:</source>
        <translation>Contar los alumnos en o por &amp;debajo de la letra:</translation>
    </message>
    <message>
        <source>Folder of Classes</source>
        <translation>Carpeta de clases</translation>
    </message>
    <message>
        <source>Reading %1 classes...</source>
        <translation>Leyendo %1 clases...</translation>
    </message>
    <message>
        <source>Reading class %1 of %2...</source>
        <translation>Leyendo la clase %1 de %2...</translation>
    </message>
    <message>
        <source>Reading cancelled after %1 classes.</source>
        <translation>Lectura cancelada tras %1 clases.</translation>
    </message>
    <message>
        <source>%1 classes.</source>
        <translation>%1 clases.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 no se pudieron leer.</translation>
    </message>
    <message>
        <source>This folder holds no class (.grs file).</source>
        <translation>Esta carpeta no contiene ninguna clase (archivo .grs).</translation>
    </message>
    <message>
        <source>No class was opened lately.</source>
        <translation>No se ha abierto ninguna clase últimamente.</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
</context>
<context>
    <name>markwell::OptionsDialog</name>
    <message>
        <source>Option pages</source>
        <translation>Páginas de opciones</translation>
    </message>
    <message>
        <source>&amp;Enable Password Protection</source>
        <translation>&amp;Activar la protección con contraseña</translation>
    </message>
    <message>
        <source>&amp;Remove the stored password</source>
        <translation>&amp;Quitar la contraseña guardada</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&amp;New Password</source>
        <translation>&amp;Nueva contraseña</translation>
    </message>
    <message>
        <source>&amp;Verify Password</source>
        <translation>C&amp;onfirmar contraseña</translation>
    </message>
    <message>
        <source>Password is case sensitive</source>
        <translation>La contraseña distingue mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versiones anteriores</translation>
    </message>
    <message>
        <source>Versions &amp;kept of each class</source>
        <translation>&amp;Versiones que se conservan de cada clase</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Old password is incorrect, please check spelling!</source>
        <translation>La contraseña actual no es correcta; compruebe cómo la ha escrito.</translation>
    </message>
    <message>
        <source>Password verification failed, please check spelling!</source>
        <translation>La confirmación de la contraseña no coincide; compruebe cómo la ha escrito.</translation>
    </message>
    <message>
        <source>Please type the new password under New Password and again under Verify Password.</source>
        <translation>Escriba la nueva contraseña en Nueva contraseña y otra vez en Confirmar contraseña.</translation>
    </message>
    <message>
        <source>A password has at most %1 characters.</source>
        <translation>Una contraseña tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>E-&amp;mail</source>
        <translation>Co&amp;rreo</translation>
    </message>
    <message>
        <source>Ol&amp;d Password</source>
        <translation>Contraseña ac&amp;tual</translation>
    </message>
</context>
<context>
    <name>markwell::PasswordDialog</name>
    <message>
        <source>Enter Password</source>
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Contra&amp;seña:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The password is incorrect. Capital letters count: please check the spelling and the Caps Lock key.</source>
        <translation>La contraseña no es correcta. Las mayúsculas cuentan: compruebe cómo la ha escrito y la tecla Bloq Mayús.</translation>
    </message>
</context>
<context>
    <name>markwell::RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Borrar la lista de recientes</translation>
    </message>
    <message>
        <source>&amp;%1 %2  (%3)</source>
        <translation>&amp;%1 %2  (%3)</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 no existe.</translation>
    </message>
</context>
<context>
    <name>markwell::RecordListDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Actuali&amp;zar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>I&amp;mportar...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
</context>
<context>
    <name>markwell::RecordListPanel</name>
    <message>
        <source>Move up (Ctrl+Up)</source>
        <translation>Subir (Ctrl+Up)</translation>
    </message>
    <message>
        <source>Move down (Ctrl+Down)</source>
        <translation>Bajar (Ctrl+Down)</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>markwell::RecoveryKeeper</name>
    <message>
        <source>Another Markwell window keeps the recovery copy of %1; this window keeps none.</source>
        <translation>Otra ventana de Markwell tiene la copia de recuperación de %1; esta ventana no guarda ninguna.</translation>
    </message>
    <message>
        <source>The recovery copy could not be written: %1</source>
        <translation>No se ha podido escribir la copia de recuperación: %1</translation>
    </message>
</context>
<context>
    <name>markwell::ReportCommands</name>
    <message>
        <source>Save changes before merging?</source>
        <translation>¿Guardar los cambios antes de combinar?</translation>
    </message>
    <message>
        <source>Please highlight student you wish to e-mail information about.</source>
        <translation>Seleccione el alumno sobre el que desea enviar información por correo electrónico.</translation>
    </message>
</context>
<context>
    <name>markwell::ScoreCommands</name>
    <message>
        <source>Import Scores</source>
        <translation>Importar puntuaciones</translation>
    </message>
    <message>
        <source>Gradebook (*.csv *.txt)</source>
        <translation>Libro de calificaciones (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export for Canvas</source>
        <translation>Exportar para Canvas</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>The scores could not be written for Canvas: %1</source>
        <translation>No se pudieron escribir las puntuaciones para Canvas: %1</translation>
    </message>
    <message>
        <source>Scores written for Canvas: %1</source>
        <translation>Puntuaciones escritas para Canvas: %1</translation>
    </message>
</context>
<context>
    <name>markwell::SeatingCommands</name>
    <message>
        <source>Every student has a seat.</source>
        <translation>Todos los alumnos tienen asiento.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this seat?</source>
        <translation>¿Seguro que desea eliminar este asiento?</translation>
    </message>
    <message>
        <source>The seating chart could not be printed: </source>
        <translation>No se ha podido imprimir el plano de clase: </translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1&apos;s seat?</source>
        <translation>¿Seguro que desea eliminar el asiento de %1?</translation>
    </message>
</context>
<context>
    <name>markwell::SeatingView</name>
    <message>
        <source>Seating chart</source>
        <translation>Plano de clase</translation>
    </message>
    <message>
        <source>The seats of the class: Page Down and Page Up choose a seat, the arrow keys move it (with Shift by ten), Enter edits it.</source>
        <translation>Los asientos de la clase: Av Pág y Re Pág eligen un asiento, las flechas lo mueven (con Mayús, de diez en diez) e Intro lo modifica.</translation>
    </message>
</context>
<context>
    <name>markwell::SendReportsDialog</name>
    <message>
        <source>Message and send log</source>
        <translation>Mensaje y registro de envíos</translation>
    </message>
    <message>
        <source>S&amp;tudent</source>
        <translation>&amp;Alumno</translation>
    </message>
    <message>
        <source>M&amp;other</source>
        <translation>Ma&amp;dre</translation>
    </message>
    <message>
        <source>&amp;Father</source>
        <translation>&amp;Padre</translation>
    </message>
    <message>
        <source>Through the mail &amp;program, one message at a time</source>
        <translation>A través del programa de correo, &amp;uno a uno</translation>
    </message>
    <message>
        <source>Save as e-mail f&amp;iles (.eml)</source>
        <translation>Guardar como arc&amp;hivos de correo (.eml)</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>Send Reports by E-mail</source>
        <translation>Enviar informes por correo electrónico</translation>
    </message>
    <message>
        <source>Through the mail se&amp;rver %1</source>
        <translation>A través del se&amp;rvidor de correo %1</translation>
    </message>
    <message>
        <source>Through the mail se&amp;rver (set it under Edit &gt; Options)</source>
        <translation>A través del se&amp;rvidor de correo (configúrelo en Edición &gt; Opciones)</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Enviar a</translation>
    </message>
    <message>
        <source>S&amp;ubject</source>
        <translation>A&amp;sunto</translation>
    </message>
    <message>
        <source>Mess&amp;age</source>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>{name}, {grade} and {average} become each student&apos;s own.</source>
        <translation>{name}, {grade} y {average} se convierten en los de cada alumno.</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Cómo</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>E&amp;xportar como CSV...</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Mensaje</translation>
    </message>
    <message>
        <source>Send &amp;Log</source>
        <translation>Registro de en&amp;víos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Export the Send Log</source>
        <translation>Exportar el registro de envíos</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>send log.csv</source>
        <translation>registro de envíos.csv</translation>
    </message>
    <message>
        <source>Please tick whom the messages go to: the student, the mother or the father.</source>
        <translation>Marque a quién van los mensajes: el alumno, la madre o el padre.</translation>
    </message>
    <message>
        <source>No student is chosen.</source>
        <translation>No se ha elegido ningún alumno.</translation>
    </message>
    <message>
        <source>Please save the class first: the record of what is sent is kept with it.</source>
        <translation>Guarde primero la clase: el registro de lo enviado se guarda con ella.</translation>
    </message>
    <message>
        <source>Mail Server Password</source>
        <translation>Contraseña del servidor de correo</translation>
    </message>
    <message>
        <source>Password of %1 on %2:</source>
        <translation>Contraseña de %1 en %2:</translation>
    </message>
    <message>
        <source>See Edit &gt; Options, E-mail.</source>
        <translation>Véase Edición &gt; Opciones, Correo.</translation>
    </message>
    <message>
        <source>Addresses that may have received the message already: %1 (the connection was lost after it was sent). Send it to them again too?</source>
        <translation>Direcciones que pueden haber recibido ya el mensaje: %1 (la conexión se perdió después de enviarlo). ¿Enviárselo otra vez también?</translation>
    </message>
    <message>
        <source>No address for: %1.</source>
        <translation>Sin dirección: %1.</translation>
    </message>
    <message>
        <source>Folder for the Messages</source>
        <translation>Carpeta para los mensajes</translation>
    </message>
    <message>
        <source>Saving message %1 of %2...</source>
        <translation>Guardando el mensaje %1 de %2...</translation>
    </message>
    <message>
        <source>%1 messages were saved in %2.</source>
        <translation>Se guardaron %1 mensajes en %2.</translation>
    </message>
</context>
<context>
    <name>markwell::SendSummaryDialog</name>
    <message>
        <source>&amp;Resend the Failed Ones</source>
        <translation>&amp;Reenviar los fallidos</translation>
    </message>
    <message>
        <source>Messages Sent</source>
        <translation>Mensajes enviados</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>markwell::SheetView</name>
    <message>
        <source>Columns kept in view</source>
        <translation>Columnas siempre visibles</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Type the value: Enter stores it, Escape leaves the cell as it was.</source>
        <translation>Escriba el valor: Intro lo guarda y Esc deja la celda como estaba.</translation>
    </message>
</context>
<context>
    <name>markwell::StudentListDialog</name>
    <message>
        <source>&amp;Name</source>
        <translation>Nom&amp;bre</translation>
    </message>
    <message>
        <source>&amp;ID</source>
        <translation>&amp;ID</translation>
    </message>
    <message>
        <source>S&amp;treet</source>
        <translation>&amp;Dirección</translation>
    </message>
    <message>
        <source>C&amp;ity</source>
        <translation>C&amp;iudad</translation>
    </message>
    <message>
        <source>Stat&amp;e</source>
        <translation>P&amp;rovincia</translation>
    </message>
    <message>
        <source>&amp;Zip</source>
        <translation>Códi&amp;go postal</translation>
    </message>
    <message>
        <source>Mo&amp;ther</source>
        <translation>Mad&amp;re</translation>
    </message>
    <message>
        <source>Pho&amp;ne</source>
        <translation>&amp;Teléfono</translation>
    </message>
    <message>
        <source>&amp;Father</source>
        <translation>Pa&amp;dre</translation>
    </message>
    <message>
        <source>Phon&amp;e</source>
        <translation>Telé&amp;fono</translation>
    </message>
    <message>
        <source>S&amp;tudent</source>
        <translation>Al&amp;umno</translation>
    </message>
    <message>
        <source>Moth&amp;er</source>
        <translation>Mad&amp;re</translation>
    </message>
    <message>
        <source>Total number of students: %1</source>
        <translation>Número total de alumnos: %1</translation>
    </message>
    <message>
        <source>Student List</source>
        <translation>Lista de alumnos</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>A&amp;lumno</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>Domi&amp;cilio</translation>
    </message>
    <message>
        <source>Pa&amp;rents</source>
        <translation>Padre&amp;s</translation>
    </message>
    <message>
        <source>E-Mai&amp;l</source>
        <translation>C&amp;orreo electrónico</translation>
    </message>
    <message>
        <source>C&amp;omments</source>
        <translation>Come&amp;ntarios</translation>
    </message>
    <message>
        <source>Keep the changes made to &quot;%1&quot;?</source>
        <translation>¿Conservar los cambios hechos en «%1»?</translation>
    </message>
    <message>
        <source>Add &quot;%1&quot;, typed but not added yet, to the class?</source>
        <translation>¿Añadir a la clase a «%1», que está escrito pero aún no se ha añadido?</translation>
    </message>
    <message>
        <source>Remove all students and all assignments?</source>
        <translation>¿Eliminar todos los alumnos y todas las actividades?</translation>
    </message>
    <message>
        <source>The student could not be printed: </source>
        <translation>No se ha podido imprimir el alumno: </translation>
    </message>
    <message>
        <source>%1 characters: more than the %2 a comment can hold</source>
        <translation>%1 caracteres: más de los %2 que admite un comentario</translation>
    </message>
    <message>
        <source>%1 of %2 characters (a line break counts as two)</source>
        <translation>%1 de %2 caracteres (un salto de línea cuenta como dos)</translation>
    </message>
    <message>
        <source>Student details</source>
        <translation>Datos del alumno</translation>
    </message>
</context>
<context>
    <name>markwell::TableCommands</name>
    <message>
        <source>The font &quot;%1&quot; cannot be kept with the class; please choose another.</source>
        <translation>La fuente «%1» no se puede guardar con la clase; elija otra, por favor.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>The grades could not be printed: </source>
        <translation>No se han podido imprimir las notas: </translation>
    </message>
</context>
<context>
    <name>markwell::TextEntryDialog</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>markwell::WeightsDialog</name>
    <message>
        <source>&amp;Use Weighted</source>
        <translation>&amp;Usar ponderación</translation>
    </message>
    <message>
        <source>Weighted Grades</source>
        <translation>Notas ponderadas</translation>
    </message>
    <message>
        <source>&amp;Final</source>
        <translation>Examen &amp;final</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Examen</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>Contro&amp;l</translation>
    </message>
    <message>
        <source>&amp;Homework</source>
        <translation>&amp;Deberes</translation>
    </message>
    <message>
        <source>&amp;Lab</source>
        <translation>&amp;Prácticas</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Otros</translation>
    </message>
    <message>
        <source>Percentages</source>
        <translation>Porcentajes</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Percentage values do not equal to 100%</source>
        <translation>Los porcentajes no suman 100%</translation>
    </message>
</context>
<context>
    <name>markwell::WhatItTakesPanel</name>
    <message>
        <source>What would it take?</source>
        <translation>¿Qué haría falta?</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>What it would take</source>
        <translation>Lo que haría falta</translation>
    </message>
    <message>
        <source>&amp;Assignment</source>
        <translation>Ac&amp;tividad</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Letra</translation>
    </message>
    <message>
        <source>The class has no assignments.</source>
        <translation>La clase no tiene actividades.</translation>
    </message>
    <message>
        <source>The grade scale has no letters.</source>
        <translation>La escala de calificaciones no tiene letras.</translation>
    </message>
</context>
<context>
    <name>markwell::XdgEmailLauncher</name>
    <message>
        <source>The grades are in %1: please attach that file to a message by hand.</source>
        <translation>Las notas están en %1: adjunte ese archivo a un mensaje a mano.</translation>
    </message>
    <message>
        <source>No mail program could be started: &quot;%1&quot; (from the package xdg-utils) is not installed.</source>
        <translation>No se ha podido iniciar ningún programa de correo: «%1» (del paquete xdg-utils) no está instalado.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1</source>
        <translation>No se ha podido iniciar el programa de correo: %1</translation>
    </message>
    <message>
        <source>The mail program could not prepare the message (%1 ended with code %2).</source>
        <translation>El programa de correo no ha podido preparar el mensaje (%1 terminó con el código %2).</translation>
    </message>
    <message>
        <source>The mail program stopped before the message was ready.</source>
        <translation>El programa de correo se ha detenido antes de que el mensaje estuviera listo.</translation>
    </message>
</context>
<context>
    <name>AttendanceMonths</name>
    <message>
        <source>A month is written YYYY-MM, with a month from 01 to 12.</source>
        <translation>Un mes se escribe AAAA-MM, con un mes de 01 a 12.</translation>
    </message>
    <message>
        <source>The last month comes before the first.</source>
        <translation>El último mes es anterior al primero.</translation>
    </message>
    <message>
        <source>A report counts attendance over %1 months at most.</source>
        <translation>Un boletín cuenta la asistencia de %1 meses como mucho.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a run of months such as 2026-09:2027-01.</source>
        <translation>«%1» no es una serie de meses como 2026-09:2027-01.</translation>
    </message>
</context>
<context>
    <name>ClassReportsJob</name>
    <message>
        <source>Preparing report %1 of %2...</source>
        <translation>Preparando el boletín %1 de %2...</translation>
    </message>
    <message>
        <source>Printing page %1 of %2...</source>
        <translation>Imprimiendo la página %1 de %2...</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used.</source>
        <translation>No se puede usar la impresora «%1».</translation>
    </message>
    <message>
        <source>Writing report %1 of %2...</source>
        <translation>Escribiendo el boletín %1 de %2...</translation>
    </message>
</context>
<context>
    <name>ClassReportsPrintout</name>
    <message>
        <source>The report could not be drawn.</source>
        <translation>No se ha podido dibujar el boletín.</translation>
    </message>
</context>
<context>
    <name>ReportContents</name>
    <message>
        <source>&quot;%1&quot; is not a part of a report (%2).</source>
        <translation>«%1» no es una parte de un boletín (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named twice.</source>
        <translation>«%1» se nombra dos veces.</translation>
    </message>
</context>
<context>
    <name>ReportFolder</name>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
</context>
<context>
    <name>ReportStudents</name>
    <message>
        <source>&quot;%1&quot; is not a letter of the grade scale</source>
        <translation>«%1» no es una letra de la escala de calificaciones</translation>
    </message>
    <message>
        <source>The class has no student named %1.</source>
        <translation>La clase no tiene ningún alumno llamado %1.</translation>
    </message>
    <message>
        <source>The class has no students named %1.</source>
        <translation>La clase no tiene alumnos llamados %1.</translation>
    </message>
    <message>
        <source>it is too large for a list of names</source>
        <translation>es demasiado grande para una lista de nombres</translation>
    </message>
    <message>
        <source>it is not a text file in UTF-8</source>
        <translation>no es un archivo de texto en UTF-8</translation>
    </message>
</context>
<context>
    <name>StudentReport</name>
    <message>
        <source>Why</source>
        <translation>Por qué</translation>
    </message>
    <message>
        <source>No assignments: there is no grade to explain.</source>
        <translation>No hay actividades: no hay ninguna nota que explicar.</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>ID: %1</translation>
    </message>
    <message>
        <source>Average: %1</source>
        <translation>Media: %1</translation>
    </message>
    <message>
        <source>Grade: %1</source>
        <translation>Calificación: %1</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>General</translation>
    </message>
    <message>
        <source>By Type</source>
        <translation>Por tipo</translation>
    </message>
    <message>
        <source>Attendance, %1 %2 to %3 %4</source>
        <translation>Asistencia, de %1 %2 a %3 %4</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Scores in red were dropped as the lowest and do not count.</source>
        <translation>Las notas en rojo se descartaron por ser las más bajas y no cuentan.</translation>
    </message>
</context>
<context>
    <name>markwell::ClassReportsWindow</name>
    <message>
        <source>Send &amp;by E-mail...</source>
        <translation>Enviar por c&amp;orreo...</translation>
    </message>
    <message>
        <source>Class Reports</source>
        <translation>Boletines de la clase</translation>
    </message>
    <message>
        <source>&amp;Make Reports</source>
        <translation>&amp;Hacer los boletines</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>&amp;All students</source>
        <translation>&amp;Todos los alumnos</translation>
    </message>
    <message>
        <source>Those &amp;selected on the Grades page (%1)</source>
        <translation>Los &amp;seleccionados en la página Notas (%1)</translation>
    </message>
    <message>
        <source>Those whose &amp;grade is</source>
        <translation>Aquellos cuya &amp;nota es</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>&amp;Ticked below:</source>
        <translation>&amp;Marcados abajo:</translation>
    </message>
    <message>
        <source>Students to tick</source>
        <translation>Alumnos para marcar</translation>
    </message>
    <message>
        <source>or worse</source>
        <translation>o peor</translation>
    </message>
    <message>
        <source>Each report holds</source>
        <translation>Cada boletín incluye</translation>
    </message>
    <message>
        <source>&amp;Overall</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>By t&amp;ype</source>
        <translation>Por ti&amp;po</translation>
    </message>
    <message>
        <source>&amp;Why</source>
        <translation>Por &amp;qué</translation>
    </message>
    <message>
        <source>What-&amp;if line:</source>
        <translation>&amp;Línea «qué haría falta»:</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Atte&amp;ndance from</source>
        <translation>&amp;Asistencia de</translation>
    </message>
    <message>
        <source>First month</source>
        <translation>Primer mes</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Último mes</translation>
    </message>
    <message>
        <source>The student&apos;s comm&amp;ent</source>
        <translation>El &amp;comentario del alumno</translation>
    </message>
    <message>
        <source>Note to &amp;families:</source>
        <translation>Nota para las &amp;familias:</translation>
    </message>
    <message>
        <source>{name}, {grade} and {average} are filled in for each student.</source>
        <translation>{name}, {grade} y {average} se rellenan para cada alumno.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Where they go</source>
        <translation>Adónde van</translation>
    </message>
    <message>
        <source>P&amp;rinted, in one job</source>
        <translation>&amp;Impresos, en un solo trabajo</translation>
    </message>
    <message>
        <source>As one P&amp;DF file</source>
        <translation>En un solo archivo P&amp;DF</translation>
    </message>
    <message>
        <source>As one PDF per student in a fo&amp;lder</source>
        <translation>Un PDF por alumno en una ca&amp;rpeta</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Reports for %1 of %2 students.</source>
        <translation>Boletines para %1 de %2 alumnos.</translation>
    </message>
    <message>
        <source>Not a placeholder, printed as typed: %1</source>
        <translation>No es un marcador, se imprime tal cual: %1</translation>
    </message>
    <message>
        <source>No student is chosen.</source>
        <translation>No se ha elegido ningún alumno.</translation>
    </message>
    <message>
        <source>The first report, %1&apos;s: page 1 of %2.</source>
        <translation>El primer boletín, el de %1: página 1 de %2.</translation>
    </message>
    <message>
        <source>No student is chosen: there is no report to show.</source>
        <translation>No se ha elegido ningún alumno: no hay boletín que mostrar.</translation>
    </message>
    <message>
        <source>The report could not be printed: </source>
        <translation>No se ha podido imprimir el boletín: </translation>
    </message>
    <message>
        <source>No student is chosen: there are no reports to make.</source>
        <translation>No se ha elegido ningún alumno: no hay boletines que hacer.</translation>
    </message>
    <message>
        <source>The reports could not be printed: </source>
        <translation>No se han podido imprimir los boletines: </translation>
    </message>
    <message>
        <source>Printed the reports of %1 students.</source>
        <translation>Se imprimieron los boletines de %1 alumnos.</translation>
    </message>
    <message>
        <source>Save the Reports as PDF</source>
        <translation>Guardar los boletines en PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 reports.pdf</source>
        <translation>%1 boletines.pdf</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Cancelled: no file was written.</source>
        <translation>Cancelado: no se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>Wrote %1 pages for %2 students to %3.</source>
        <translation>Se escribieron %1 páginas para %2 alumnos en %3.</translation>
    </message>
    <message>
        <source>Choose the Folder for the Reports</source>
        <translation>Elegir la carpeta de los boletines</translation>
    </message>
    <message>
        <source>Wrote %1 reports to %2.</source>
        <translation>Se escribieron %1 boletines en %2.</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 %2</source>
        <comment>a month and its year: December 2026</comment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>markwell::WindowHabits</name>
    <message>
        <source>This box is full: it holds at most %1 characters.</source>
        <translation>Este cuadro está lleno: admite como máximo %1 caracteres.</translation>
    </message>
</context>
</TS>
