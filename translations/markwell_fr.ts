<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>AssignmentChoosing</name>
    <message>
        <source>there is no assignment %1 (the class has %2)</source>
        <translation>il n&apos;y a pas d&apos;évaluation %1 (la classe en a %2)</translation>
    </message>
    <message>
        <source>no assignment is called &quot;%1&quot;</source>
        <translation>aucune évaluation ne s&apos;appelle « %1 »</translation>
    </message>
</context>
<context>
    <name>AssignmentEditing</name>
    <message>
        <source>Invalid assignment title!</source>
        <translation>Titre d&apos;évaluation non valide !</translation>
    </message>
    <message>
        <source>Invalid assignment type!</source>
        <translation>Type d&apos;évaluation non valide !</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>description</source>
        <translation>description</translation>
    </message>
    <message>
        <source>Choose the assignment to change first.</source>
        <translation>Choisissez d&apos;abord l&apos;évaluation à modifier.</translation>
    </message>
</context>
<context>
    <name>AssignmentListPrintout</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&lt; None &gt;</source>
        <translation>&lt; Aucune &gt;</translation>
    </message>
    <message>
        <source>Assignment Information</source>
        <translation>Informations sur les évaluations</translation>
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
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Interrogation</translation>
    </message>
    <message>
        <source>Homework</source>
        <translation>Devoirs</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Unable to create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <source>Unable to create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
</context>
<context>
    <name>AttendanceAnalysis</name>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Tardy</source>
        <translation>Retards</translation>
    </message>
    <message>
        <source>Unexcused</source>
        <translation>Non justifiées</translation>
    </message>
    <message>
        <source>Excused</source>
        <translation>Justifiées</translation>
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
        <translation>Il n&apos;y a pas de mois %1 à noter.</translation>
    </message>
    <message>
        <source>%1/%2 is not a day to mark.</source>
        <translation>Le %2/%1 n&apos;est pas un jour à noter.</translation>
    </message>
    <message>
        <source>Mark Attendance</source>
        <translation>Saisie des présences</translation>
    </message>
</context>
<context>
    <name>AttendanceFile</name>
    <message>
        <source>The attendance cannot be saved: the name of record %1 %2.</source>
        <translation>Les présences ne peuvent pas être enregistrées : le nom de l&apos;enregistrement %1 %2.</translation>
    </message>
    <message>
        <source>The attendance cannot be saved: record %1 holds month %2.</source>
        <translation>Les présences ne peuvent pas être enregistrées : l&apos;enregistrement %1 porte le mois %2.</translation>
    </message>
    <message>
        <source>record %1 holds month %2</source>
        <translation>l&apos;enregistrement %1 porte le mois %2</translation>
    </message>
    <message>
        <source>the name of record %1 does not end within its %2 bytes</source>
        <translation>le nom de l&apos;enregistrement %1 ne se termine pas dans ses %2 octets</translation>
    </message>
    <message>
        <source>it is shorter than one record of %1 bytes</source>
        <translation>il est plus court qu&apos;un enregistrement de %1 octets</translation>
    </message>
    <message>
        <source>The file %1 is damaged or is not an attendance file: %2.</source>
        <translation>Le fichier %1 est endommagé ou n&apos;est pas un fichier de présences : %2.</translation>
    </message>
</context>
<context>
    <name>AttendanceTable</name>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
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
        <translation>Points</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Évaluations</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Ensemble</translation>
    </message>
</context>
<context>
    <name>ClassChanges</name>
    <message>
        <source>Sort by %1</source>
        <translation>Tri par %1</translation>
    </message>
    <message>
        <source>There are no students to sort.</source>
        <translation>Il n&apos;y a aucun élève à trier.</translation>
    </message>
    <message>
        <source>Weighted Grades</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>Drop Lowest Score</source>
        <translation>Note la plus basse ignorée</translation>
    </message>
    <message>
        <source>Grade Scale</source>
        <translation>Barème de notes</translation>
    </message>
    <message>
        <source>Grid Lines</source>
        <translation>Quadrillage</translation>
    </message>
</context>
<context>
    <name>ClassDifferences</name>
    <message>
        <source>score</source>
        <translation>note</translation>
    </message>
    <message>
        <source>possible points</source>
        <translation>points possibles</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>type</source>
        <translation>type</translation>
    </message>
    <message>
        <source>student added</source>
        <translation>élève ajouté</translation>
    </message>
    <message>
        <source>student removed</source>
        <translation>élève supprimé</translation>
    </message>
    <message>
        <source>student renamed</source>
        <translation>élève renommé</translation>
    </message>
    <message>
        <source>assignment added</source>
        <translation>évaluation ajoutée</translation>
    </message>
    <message>
        <source>assignment removed</source>
        <translation>évaluation supprimée</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>barème</translation>
    </message>
    <message>
        <source>weights</source>
        <translation>coefficients</translation>
    </message>
    <message>
        <source>drop rule</source>
        <translation>note ignorée</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>commentaire</translation>
    </message>
    <message>
        <source>attendance</source>
        <translation>présences</translation>
    </message>
    <message>
        <source>seats</source>
        <translation>places</translation>
    </message>
</context>
<context>
    <name>ClassLocks</name>
    <message>
        <source>Unable to lock %1: the lock file cannot be made in %2.</source>
        <translation>Impossible de verrouiller %1 : le fichier de verrou ne peut pas être créé dans %2.</translation>
    </message>
    <message>
        <source>%1 is being changed by another program; nothing was written. Try again once it is done.</source>
        <translation>%1 est en cours de modification par un autre programme ; rien n&apos;a été écrit. Réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>%1 (its lock %2 cannot be made, and a class is never written without it)</source>
        <translation>%1 (son verrou %2 ne peut pas être créé, et une classe n&apos;est jamais écrite sans lui)</translation>
    </message>
</context>
<context>
    <name>ClassOverviewTexts</name>
    <message>
        <source>damaged: %1</source>
        <translation>endommagé : %1</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Évaluations</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Manquantes</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>À ou sous</translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
</context>
<context>
    <name>ClassStatistics</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Minimum Grade</source>
        <translation>Note minimale</translation>
    </message>
    <message>
        <source>Maximum Grade</source>
        <translation>Note maximale</translation>
    </message>
    <message>
        <source>Total Possible</source>
        <translation>Total possible</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Standard Deviation</source>
        <translation>Écart type</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Évaluations</translation>
    </message>
    <message>
        <source>&lt; None &gt;</source>
        <translation>&lt; Aucune &gt;</translation>
    </message>
</context>
<context>
    <name>ClassWriter</name>
    <message>
        <source>it is the same file as %1, which it would destroy</source>
        <translation>c&apos;est le même fichier que %1, qui serait détruit</translation>
    </message>
    <message>
        <source>another program is saving it</source>
        <translation>un autre programme l&apos;enregistre</translation>
    </message>
    <message>
        <source>%1 cannot be read now: a save of it is not finished (%2). Try again in a moment.</source>
        <translation>%1 ne peut pas être lu maintenant : un enregistrement n&apos;est pas terminé (%2). Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>A save of %1 was interrupted after all its files were written; it is now complete.</source>
        <translation>Un enregistrement de %1 a été interrompu après l&apos;écriture de tous ses fichiers ; il est maintenant terminé.</translation>
    </message>
    <message>
        <source>A save of %1 was interrupted; the class is as it was before that save.</source>
        <translation>Un enregistrement de %1 a été interrompu ; la classe est telle qu&apos;elle était avant cet enregistrement.</translation>
    </message>
</context>
<context>
    <name>Cp1252</name>
    <message>
        <source>The character “%1” cannot be stored in a class file.</source>
        <translation>Le caractère « %1 » ne peut pas être enregistré dans un fichier de classe.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>unknown column &quot;%1&quot; (the columns are %2)</source>
        <translation>colonne inconnue « %1 » (les colonnes sont %2)</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice</source>
        <translation>la colonne « %1 » est nommée deux fois</translation>
    </message>
    <message>
        <source>the header has no column &quot;%1&quot;</source>
        <translation>l&apos;en-tête n&apos;a pas de colonne « %1 »</translation>
    </message>
    <message>
        <source>the row has %1 fields; the header has %2</source>
        <translation>la ligne a %1 champs ; l&apos;en-tête en a %2</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the class</source>
        <translation>« %1 » est déjà dans la classe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also on line %2</source>
        <translation>« %1 » figure aussi à la ligne %2</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>un guillemet dans un champ qui ne commence pas par un guillemet</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>un champ entre guillemets n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>du texte après le guillemet fermant d&apos;un champ</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>le texte n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>the file is empty: it needs a header naming the columns</source>
        <translation>le fichier est vide : il lui faut un en-tête qui nomme les colonnes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the file has more than %1 rows</source>
        <translation>le fichier a plus de %1 lignes</translation>
    </message>
    <message>
        <source>a row has more than %1 columns</source>
        <translation>une ligne a plus de %1 colonnes</translation>
    </message>
    <message>
        <source>a field longer than %1 characters</source>
        <translation>un champ de plus de %1 caractères</translation>
    </message>
</context>
<context>
    <name>CurvePreviewTexts</name>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Ancienne</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Note moyenne</translation>
    </message>
    <message>
        <source>Median score</source>
        <translation>Note médiane</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>Note %1</translation>
    </message>
</context>
<context>
    <name>Curving</name>
    <message>
        <source>&quot;%1&quot; is worth no points: enter its possible points first.</source>
        <translation>« %1 » ne vaut aucun point : saisissez d&apos;abord ses points possibles.</translation>
    </message>
    <message>
        <source>The highest score of &quot;%1&quot; is 0: there is nothing to scale.</source>
        <translation>La meilleure note de « %1 » est 0 : il n&apos;y a rien à mettre à l&apos;échelle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no score that counts: it has no mean.</source>
        <translation>« %1 » n&apos;a aucune note qui compte : elle n&apos;a pas de moyenne.</translation>
    </message>
    <message>
        <source>The mean of &quot;%1&quot; is 0: it cannot be moved.</source>
        <translation>La moyenne de « %1 » est 0 : elle ne peut pas être déplacée.</translation>
    </message>
    <message>
        <source>The two scores to map are the same: give two different scores.</source>
        <translation>Les deux notes à transposer sont égales : donnez deux notes différentes.</translation>
    </message>
    <message>
        <source>Unknown curve.</source>
        <translation>Ajustement inconnu.</translation>
    </message>
    <message>
        <source>There is no assignment %1 to curve.</source>
        <translation>Il n&apos;y a pas d&apos;évaluation %1 à ajuster.</translation>
    </message>
    <message>
        <source>The curve gives a score too large to keep.</source>
        <translation>L&apos;ajustement donne une note trop grande pour être gardée.</translation>
    </message>
    <message>
        <source>Curve %1</source>
        <translation>Ajuster %1</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Unable to create the folder %1 for Markwell&apos;s own copies of %2.</source>
        <translation>Impossible de créer le dossier %1 où Markwell garde ses propres copies de %2.</translation>
    </message>
</context>
<context>
    <name>DiscardQuestion</name>
    <message>
        <source>Discard what you typed in &quot;%1&quot;?</source>
        <translation>Abandonner ce que vous avez tapé dans « %1 » ?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Continuer la saisie</translation>
    </message>
</context>
<context>
    <name>DocumentFiles</name>
    <message>
        <source>it would be %1 bytes, too large to be a class file (at most %2 bytes); Markwell could not open it again</source>
        <translation>il ferait %1 octets, trop pour un fichier de classe (%2 octets au plus) ; Markwell ne pourrait plus l&apos;ouvrir</translation>
    </message>
    <message>
        <source>The file %1 ends inside a record: its first %2 whole records were read, and the %3 bytes after them were not. The next save writes only the records that were read.</source>
        <translation>Le fichier %1 se termine au milieu d&apos;un enregistrement : ses %2 premiers enregistrements complets ont été lus, mais pas les %3 octets qui suivent. La prochaine sauvegarde n&apos;écrira que les enregistrements lus.</translation>
    </message>
    <message>
        <source>it is the same file as %1, which it would destroy</source>
        <translation>c&apos;est le même fichier que %1, qui serait détruit</translation>
    </message>
    <message>
        <source>%1
The class is opened without its attendance. Markwell will not write over that file; delete or rename it to record attendance for this class again.</source>
        <translation>%1
La classe est ouverte sans ses présences. Markwell n&apos;écrira pas sur ce fichier ; supprimez-le ou renommez-le pour noter à nouveau les présences de cette classe.</translation>
    </message>
    <message>
        <source>%1
The class is opened without its seating chart. Markwell will not write over that file; delete or rename it to keep seats for this class again.</source>
        <translation>%1
La classe est ouverte sans son plan de classe. Markwell n&apos;écrira pas sur ce fichier ; supprimez-le ou renommez-le pour garder à nouveau les places de cette classe.</translation>
    </message>
    <message>
        <source>The damaged file %1 was kept as it was; delete or rename it to save attendance again.</source>
        <translation>Le fichier endommagé %1 a été laissé tel quel ; supprimez-le ou renommez-le pour enregistrer à nouveau les présences.</translation>
    </message>
    <message>
        <source>The damaged file %1 was kept as it was; delete or rename it to save seats again.</source>
        <translation>Le fichier endommagé %1 a été laissé tel quel ; supprimez-le ou renommez-le pour enregistrer à nouveau les places.</translation>
    </message>
    <message>
        <source>The file %1 holds 1 byte after the end of the class, which was skipped. Saving the class over that file would drop it.</source>
        <translation>Le fichier %1 contient 1 octet après la fin de la classe, qui a été ignoré. Enregistrer la classe sur ce fichier le perdrait.</translation>
    </message>
    <message>
        <source>The file %1 holds %2 bytes after the end of the class, which were skipped. Saving the class over that file would drop them.</source>
        <translation>Le fichier %1 contient %2 octets après la fin de la classe, qui ont été ignorés. Enregistrer la classe sur ce fichier les perdrait.</translation>
    </message>
    <message>
        <source>the bytes skipped when it was read would be lost; nothing was written</source>
        <translation>les octets ignorés à sa lecture seraient perdus ; rien n&apos;a été écrit</translation>
    </message>
</context>
<context>
    <name>EarlierVersions</name>
    <message>
        <source>the folder cannot be renamed</source>
        <translation>le dossier ne peut pas être renommé</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>EarlierVersionsTable</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistrée</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Évaluations</translation>
    </message>
</context>
<context>
    <name>EditorSupport</name>
    <message>
        <source>Open Markwell File</source>
        <translation>Ouvrir un fichier Markwell</translation>
    </message>
</context>
<context>
    <name>ExportSupport</name>
    <message>
        <source>the table has %1 rows; a %2 file holds at most %3. Save it as .xlsx or .csv instead.</source>
        <translation>le tableau a %1 lignes ; un fichier %2 en contient au plus %3. Enregistrez-le plutôt en .xlsx ou en .csv.</translation>
    </message>
    <message>
        <source>the table has %1 columns; a %2 file holds at most %3. Save it as .xlsx or .csv instead.</source>
        <translation>le tableau a %1 colonnes ; un fichier %2 en contient au plus %3. Enregistrez-le plutôt en .xlsx ou en .csv.</translation>
    </message>
    <message>
        <source>cell %1 holds more than %2 characters, more than a %3 cell can keep. Save it as .csv instead.</source>
        <translation>la cellule %1 contient plus de %2 caractères, plus qu&apos;une cellule %3 ne peut en garder. Enregistrez-le plutôt en .csv.</translation>
    </message>
</context>
<context>
    <name>FamilySender</name>
    <message>
        <source>not an e-mail address</source>
        <translation>n&apos;est pas une adresse électronique</translation>
    </message>
    <message>
        <source>The connection to the mail server was lost again after reconnecting: %1</source>
        <translation>La connexion au serveur de messagerie a de nouveau été perdue après la reconnexion : %1</translation>
    </message>
    <message>
        <source>the connection was lost after the message was sent: %1</source>
        <translation>la connexion a été perdue après l&apos;envoi du message : %1</translation>
    </message>
    <message>
        <source>the connection was lost before the message was sent: %1</source>
        <translation>la connexion a été perdue avant l&apos;envoi du message : %1</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Unable to open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is too large to be a class file (%1 bytes)</source>
        <translation>il est trop grand pour être un fichier de classe (%1 octets)</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>Markwell File (*.grs)</source>
        <translation>Fichier Markwell (*.grs)</translation>
    </message>
    <message>
        <source>Excel File (*.xls)</source>
        <translation>Fichier Excel (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
</context>
<context>
    <name>FixedFields</name>
    <message>
        <source>is %1 characters long; at most %2 fit</source>
        <translation>compte %1 caractères, pour %2 au plus</translation>
    </message>
    <message>
        <source>holds a zero byte</source>
        <translation>contient un octet nul</translation>
    </message>
</context>
<context>
    <name>GradeEntry</name>
    <message>
        <source>no student is named &quot;%1&quot;</source>
        <translation>aucun élève ne s&apos;appelle « %1 »</translation>
    </message>
    <message>
        <source>there are more rows for &quot;%1&quot; than students of that name (%2)</source>
        <translation>il y a plus de lignes pour « %1 » que d&apos;élèves portant ce nom (%2)</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>There is no student in that row.</source>
        <translation>Il n&apos;y a pas d&apos;élève sur cette ligne.</translation>
    </message>
    <message>
        <source>there is no such assignment</source>
        <translation>cette évaluation n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>GradeExplanation</name>
    <message>
        <source>no possible points</source>
        <translation>aucun point possible</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>yes: extra credit</source>
        <translation>oui : points bonus</translation>
    </message>
    <message>
        <source>dropped: lowest score overall</source>
        <translation>ignorée : note la plus basse de l&apos;ensemble</translation>
    </message>
    <message>
        <source>dropped: lowest %1 score</source>
        <translation>ignorée : note la plus basse en %1</translation>
    </message>
    <message>
        <source>no: does not count (-)</source>
        <translation>non : ne compte pas (-)</translation>
    </message>
    <message>
        <source>no: no possible points</source>
        <translation>non : aucun point possible</translation>
    </message>
    <message>
        <source>no: no known type</source>
        <translation>non : type inconnu</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Possibles</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Obtenus</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Facteur</translation>
    </message>
    <message>
        <source>Counted earned</source>
        <translation>Obtenus comptés</translation>
    </message>
    <message>
        <source>Counted possible</source>
        <translation>Possibles comptés</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>%1: %2 to %3</source>
        <translation>%1 : de %2 à %3</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>lowest score overall</source>
        <translation>note la plus basse de l&apos;ensemble</translation>
    </message>
    <message>
        <source>lowest %1 score</source>
        <translation>note la plus basse en %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of %2 weighted points</source>
        <translation>%1 sur %2 points pondérés</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <translation>%1 sur %2 points</translation>
    </message>
    <message>
        <source> after dropping %1</source>
        <translation> sans compter %1</translation>
    </message>
    <message>
        <source>%1: how the grade came out</source>
        <translation>%1 : comment la note a été obtenue</translation>
    </message>
    <message>
        <source>What would it take?</source>
        <translation>Que faudrait-il ?</translation>
    </message>
</context>
<context>
    <name>GradeFile</name>
    <message>
        <source>name</source>
        <translation>le nom</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>le numéro</translation>
    </message>
    <message>
        <source>street</source>
        <translation>la rue</translation>
    </message>
    <message>
        <source>city</source>
        <translation>la ville</translation>
    </message>
    <message>
        <source>state</source>
        <translation>l&apos;État</translation>
    </message>
    <message>
        <source>ZIP code</source>
        <translation>le code postal</translation>
    </message>
    <message>
        <source>mother&apos;s name</source>
        <translation>le nom de la mère</translation>
    </message>
    <message>
        <source>mother&apos;s phone</source>
        <translation>le téléphone de la mère</translation>
    </message>
    <message>
        <source>father&apos;s name</source>
        <translation>le nom du père</translation>
    </message>
    <message>
        <source>father&apos;s phone</source>
        <translation>le téléphone du père</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>l&apos;adresse e-mail</translation>
    </message>
    <message>
        <source>mother&apos;s e-mail address</source>
        <translation>l&apos;adresse e-mail de la mère</translation>
    </message>
    <message>
        <source>father&apos;s e-mail address</source>
        <translation>l&apos;adresse e-mail du père</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is too short (%1 bytes)</source>
        <translation>il est trop court (%1 octets)</translation>
    </message>
    <message>
        <source>its version is not a number</source>
        <translation>sa version n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Markwell version of file is invalid!</source>
        <translation>La version Markwell du fichier est non valide !</translation>
    </message>
    <message>
        <source>it ends inside the class settings</source>
        <translation>il se termine au milieu des réglages de la classe</translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation>il se termine trop tôt</translation>
    </message>
    <message>
        <source>The file %1 is damaged or is not a grade file: %2.</source>
        <translation>Le fichier %1 est endommagé ou n&apos;est pas un fichier de notes : %2.</translation>
    </message>
    <message>
        <source>it ends before the number of %1</source>
        <translation>il se termine avant le nombre des %1</translation>
    </message>
    <message>
        <source>it gives the number of %1 as %2</source>
        <translation>il donne %2 comme nombre des %1</translation>
    </message>
    <message>
        <source>it announces %1 %2 but ends before them</source>
        <translation>il annonce %1 %2 mais se termine avant</translation>
    </message>
    <message>
        <source>students</source>
        <translation>élèves</translation>
    </message>
    <message>
        <source>assignments</source>
        <translation>évaluations</translation>
    </message>
    <message>
        <source>assignment %1 of %2</source>
        <translation>l&apos;évaluation %1 sur %2</translation>
    </message>
    <message>
        <source>it ends inside %1</source>
        <translation>il se termine au milieu de %1</translation>
    </message>
    <message>
        <source>the point list of %1 has a length of 0</source>
        <translation>la liste des points de %1 a une longueur nulle</translation>
    </message>
    <message>
        <source>the point list of %1 is longer than the rest of the file</source>
        <translation>la liste des points de %1 est plus longue que le reste du fichier</translation>
    </message>
    <message>
        <source>the possible points of %1 are not a number</source>
        <translation>les points possibles de %1 ne sont pas un nombre</translation>
    </message>
    <message>
        <source>it ends before the dropping rule</source>
        <translation>il se termine avant la règle des notes ignorées</translation>
    </message>
    <message>
        <source>comments</source>
        <translation>commentaires</translation>
    </message>
    <message>
        <source>the grid font name</source>
        <translation>le nom de la police du tableau</translation>
    </message>
    <message>
        <source>the grade scale name</source>
        <translation>le nom du barème de notes</translation>
    </message>
    <message>
        <source>the grade scale bounds</source>
        <translation>les bornes du barème de notes</translation>
    </message>
    <message>
        <source>student %1</source>
        <translation>l&apos;élève %1</translation>
    </message>
    <message>
        <source>student %1 (%2)</source>
        <translation>l&apos;élève %1 (%2)</translation>
    </message>
    <message>
        <source>the %1 of %2 %3</source>
        <translation>%1 de %2 %3</translation>
    </message>
    <message>
        <source>assignment %1</source>
        <translation>l&apos;évaluation %1</translation>
    </message>
    <message>
        <source>the title of %1</source>
        <translation>le titre de %1</translation>
    </message>
    <message>
        <source>assignment %1 (%2)</source>
        <translation>l&apos;évaluation %1 (%2)</translation>
    </message>
    <message>
        <source>the description of %1</source>
        <translation>la description de %1</translation>
    </message>
    <message>
        <source>the type of %1</source>
        <translation>le type de %1</translation>
    </message>
    <message>
        <source>point entry %1 of %2 holds a zero byte</source>
        <translation>la note n° %1 de %2 contient un octet nul</translation>
    </message>
    <message>
        <source>the name of comment %1</source>
        <translation>le nom du commentaire %1</translation>
    </message>
    <message>
        <source>the comment on %1</source>
        <translation>le commentaire sur %1</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop grand</translation>
    </message>
    <message>
        <source>The class cannot be saved: %1.</source>
        <translation>La classe ne peut pas être enregistrée : %1.</translation>
    </message>
    <message>
        <source>the point list of assignment %1 is too long</source>
        <translation>la liste des points de l&apos;évaluation %1 est trop longue</translation>
    </message>
</context>
<context>
    <name>GradeHistory</name>
    <message>
        <source>restored version %1</source>
        <translation>version %1 rétablie</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>importation de %1</translation>
    </message>
    <message>
        <source>changed outside Markwell</source>
        <translation>modifiée hors de Markwell</translation>
    </message>
    <message>
        <source>The grade history database %1 was missing; a new one was started. The classes and their marks are not affected, only the history before now is gone.</source>
        <translation>La base de données de l&apos;historique des notes %1 manquait ; une nouvelle a été commencée. Les classes et leurs notes ne sont pas touchées : seul l&apos;historique antérieur est perdu.</translation>
    </message>
    <message>
        <source>%1 cannot be made or written</source>
        <translation>%1 ne peut être ni créé ni écrit</translation>
    </message>
    <message>
        <source>The grade history is off: %1.</source>
        <translation>L&apos;historique des notes est désactivé : %1.</translation>
    </message>
    <message>
        <source>The grade history is off: %1 cannot be used (%2).</source>
        <translation>L&apos;historique des notes est désactivé : %1 ne peut pas être utilisé (%2).</translation>
    </message>
    <message>
        <source>it was made by a newer version of Markwell</source>
        <translation>elle a été créée par une version plus récente de Markwell</translation>
    </message>
    <message>
        <source>The grade history database %1 was damaged (%2); a new one was started and the damaged one kept as %3. The classes and their marks are not affected, only the history before now is gone.</source>
        <translation>La base de données de l&apos;historique des notes %1 était endommagée (%2) ; une nouvelle a été commencée et l&apos;ancienne est gardée sous le nom %3. Les classes et leurs notes ne sont pas touchées : seul l&apos;historique antérieur est perdu.</translation>
    </message>
    <message>
        <source>The grade history could not %1: %2</source>
        <translation>L&apos;historique des notes n&apos;a pas pu %1 : %2</translation>
    </message>
    <message>
        <source>list the history of %1</source>
        <translation>lister l&apos;historique de %1</translation>
    </message>
    <message>
        <source>forget %1 in the history of %2</source>
        <translation>oublier %1 dans l&apos;historique de %2</translation>
    </message>
    <message>
        <source>look at %1</source>
        <translation>examiner %1</translation>
    </message>
    <message>
        <source>record the changes of %1</source>
        <translation>enregistrer les modifications de %1</translation>
    </message>
    <message>
        <source>record the save of %1</source>
        <translation>enregistrer la sauvegarde de %1</translation>
    </message>
    <message>
        <source>record a save</source>
        <translation>enregistrer une sauvegarde</translation>
    </message>
    <message>
        <source>forget a save that was not made</source>
        <translation>oublier une sauvegarde qui n&apos;a pas eu lieu</translation>
    </message>
</context>
<context>
    <name>GradesTable</name>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>GradingRules</name>
    <message>
        <source>The weight of %1 must be a whole number from 0 to 100, not %2.</source>
        <translation>Le coefficient de %1 doit être un nombre entier de 0 à 100, et non %2.</translation>
    </message>
    <message>
        <source>Percentage values do not equal to 100%</source>
        <translation>La somme des pourcentages ne fait pas 100 %</translation>
    </message>
    <message>
        <source>%1 is not a rule for dropping lowest scores.</source>
        <translation>%1 n&apos;est pas une règle pour ignorer les notes les plus basses.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Welcome to Markwell</source>
        <translation>Bienvenue dans Markwell</translation>
    </message>
    <message>
        <source>The Grades page</source>
        <translation>La page Notes</translation>
    </message>
    <message>
        <source>The Attendance page</source>
        <translation>La page Présences</translation>
    </message>
    <message>
        <source>The Seating page</source>
        <translation>La page Plan de classe</translation>
    </message>
    <message>
        <source>Printing and PDF</source>
        <translation>Impression et PDF</translation>
    </message>
    <message>
        <source>Choosing the table&apos;s font</source>
        <translation>Choisir la police du tableau</translation>
    </message>
    <message>
        <source>The student list</source>
        <translation>La liste des élèves</translation>
    </message>
    <message>
        <source>The assignment list</source>
        <translation>La liste des évaluations</translation>
    </message>
    <message>
        <source>Entering grades</source>
        <translation>Saisir les notes</translation>
    </message>
    <message>
        <source>Grade scales</source>
        <translation>Les barèmes de notes</translation>
    </message>
    <message>
        <source>Weighted grades</source>
        <translation>Les coefficients</translation>
    </message>
    <message>
        <source>Dropping the lowest scores</source>
        <translation>Ignorer les notes les plus basses</translation>
    </message>
    <message>
        <source>Individual student reports</source>
        <translation>Les relevés individuels</translation>
    </message>
    <message>
        <source>Grade information</source>
        <translation>Informations sur les notes</translation>
    </message>
    <message>
        <source>Attendance analysis</source>
        <translation>Analyse des présences</translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation>Les graphiques</translation>
    </message>
    <message>
        <source>Merging two classes</source>
        <translation>Fusionner deux classes</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Les versions précédentes</translation>
    </message>
    <message>
        <source>Sending grades by e-mail</source>
        <translation>Envoyer les notes par e-mail</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>Le mot de passe</translation>
    </message>
    <message>
        <source>Adding and changing seats</source>
        <translation>Ajouter et modifier des places</translation>
    </message>
    <message>
        <source>About Markwell</source>
        <translation>À propos de Markwell</translation>
    </message>
    <message>
        <source>E-mailing every family its report</source>
        <translation>Envoyer à chaque famille son bulletin par courriel</translation>
    </message>
    <message>
        <source>Scores from the school&apos;s systems</source>
        <translation>Les notes des systèmes de l&apos;établissement</translation>
    </message>
    <message>
        <source>Curving an assignment</source>
        <translation>Ajuster les notes d&apos;une évaluation</translation>
    </message>
    <message>
        <source>All your classes at once</source>
        <translation>Toutes vos classes d&apos;un coup d&apos;œil</translation>
    </message>
    <message>
        <source>Class reports at the term&apos;s end</source>
        <translation>Les bulletins de la classe en fin de trimestre</translation>
    </message>
    <message>
        <source>The grade history</source>
        <translation>L&apos;historique des notes</translation>
    </message>
</context>
<context>
    <name>HistoryTable</name>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>From</source>
        <translation>D&apos;où</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>set on %1 to %2</source>
        <translation>mise le %1 à %2</translation>
    </message>
    <message>
        <source>changed on %1 from %2 to %3</source>
        <translation>modifiée le %1 de %2 à %3</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Dernière modification</translation>
    </message>
</context>
<context>
    <name>IndividualReport</name>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Évaluations</translation>
    </message>
    <message>
        <source>Weighted average: see Why</source>
        <translation>Moyenne pondérée : voir Pourquoi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>KeptVersions</name>
    <message>
        <source>The number of earlier versions to keep is from 0 to %1.</source>
        <translation>Le nombre de versions précédentes à conserver va de 0 à %1.</translation>
    </message>
</context>
<context>
    <name>KeyringMailPasswords</name>
    <message>
        <source>The keyring did not answer.</source>
        <translation>Le trousseau n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Le mot de passe n&apos;a pas pu être gardé dans le trousseau : %1</translation>
    </message>
    <message>
        <source>the keyring did not answer.</source>
        <translation>le trousseau n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The password could not be removed from the keyring: %1</source>
        <translation>Le mot de passe n&apos;a pas pu être retiré du trousseau : %1</translation>
    </message>
</context>
<context>
    <name>MailAddress</name>
    <message>
        <source>Grades</source>
        <comment>subject of the grades e-mail</comment>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>MailAttachment</name>
    <message>
        <source>Unable to create the folder %1 for the attachment.</source>
        <translation>Impossible de créer le dossier %1 pour la pièce jointe.</translation>
    </message>
    <message>
        <source>Unable to create a folder for the attachment in %1: %2</source>
        <translation>Impossible de créer un dossier pour la pièce jointe dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>MailServerSettings</name>
    <message>
        <source>No mail server is set.</source>
        <translation>Aucun serveur de messagerie n&apos;est réglé.</translation>
    </message>
    <message>
        <source>The port of the mail server is from 1 to 65535.</source>
        <translation>Le port du serveur de messagerie va de 1 à 65535.</translation>
    </message>
    <message>
        <source>The sender&apos;s address &quot;%1&quot; is not an e-mail address.</source>
        <translation>L&apos;adresse de l&apos;expéditeur « %1 » n&apos;est pas une adresse électronique.</translation>
    </message>
    <message>
        <source>A password is never sent without TLS: choose STARTTLS or TLS for %1, or leave the user name empty.</source>
        <translation>Un mot de passe n&apos;est jamais envoyé sans TLS : choisissez STARTTLS ou TLS pour %1, ou laissez le nom d&apos;utilisateur vide.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Ear&amp;lier Versions...</source>
        <translation>&amp;Versions précédentes...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>w/Student &amp;Names</source>
        <translation>Avec les &amp;noms des élèves</translation>
    </message>
    <message>
        <source>w/Student &amp;ID&apos;s</source>
        <translation>Avec les n&amp;uméros des élèves</translation>
    </message>
    <message>
        <source>&amp;Attendance</source>
        <translation>&amp;Présences</translation>
    </message>
    <message>
        <source>&amp;Seating</source>
        <translation>Plan de &amp;classe</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Fusionner...</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>&amp;E-mail...</source>
        <translation>E-&amp;mail...</translation>
    </message>
    <message>
        <source>Send e-mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>Add Seat</source>
        <translation>Ajouter une place</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Edit Seat</source>
        <translation>Modifier la place</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete Seat</source>
        <translation>Supprimer la place</translation>
    </message>
    <message>
        <source>Attendance A&amp;nalysis...</source>
        <translation>A&amp;nalyse des présences...</translation>
    </message>
    <message>
        <source>Attendance Analysis</source>
        <translation>Analyse des présences</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Individual Students</source>
        <translation>Relevé &amp;individuel</translation>
    </message>
    <message>
        <source>&amp;Grade Information</source>
        <translation>Informations sur les &amp;notes</translation>
    </message>
    <message>
        <source>G&amp;raph</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>&amp;Students...</source>
        <translation>&amp;Élèves...</translation>
    </message>
    <message>
        <source>Student List</source>
        <translation>Liste des élèves</translation>
    </message>
    <message>
        <source>&amp;Assignments...</source>
        <translation>É&amp;valuations...</translation>
    </message>
    <message>
        <source>Assignment List</source>
        <translation>Liste des évaluations</translation>
    </message>
    <message>
        <source>Edit Grades</source>
        <translation>Modifier les notes</translation>
    </message>
    <message>
        <source>&amp;Scale...</source>
        <translation>&amp;Barème...</translation>
    </message>
    <message>
        <source>Grade Scale</source>
        <translation>Barème de notes</translation>
    </message>
    <message>
        <source>&amp;Weighted...</source>
        <translation>&amp;Coefficients...</translation>
    </message>
    <message>
        <source>&amp;Drop Lowest...</source>
        <translation>&amp;Ignorer la note la plus basse...</translation>
    </message>
    <message>
        <source>Markwell &amp;Help</source>
        <translation>&amp;Aide de Markwell</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>&amp;Import Scores...</source>
        <translation>Im&amp;porter des notes...</translation>
    </message>
    <message>
        <source>For &amp;Canvas...</source>
        <translation>Pour &amp;Canvas...</translation>
    </message>
    <message>
        <source>New &amp;from Class...</source>
        <translation>Nouvelle à partir d&apos;une &amp;classe...</translation>
    </message>
    <message>
        <source>&amp;My Classes...</source>
        <translation>&amp;Mes classes...</translation>
    </message>
    <message>
        <source>&amp;Curve...</source>
        <translation>A&amp;juster...</translation>
    </message>
    <message>
        <source>&amp;Class Reports...</source>
        <translation>&amp;Bulletins de la classe...</translation>
    </message>
</context>
<context>
    <name>MarkwellMain</name>
    <message>
        <source>Computerized Markwell: a class record for teachers.</source>
        <translation>Computerized Markwell : le cahier de notes de l&apos;enseignant.</translation>
    </message>
    <message>
        <source>A grade file (.grs) to open.</source>
        <translation>Un fichier de notes (.grs) à ouvrir.</translation>
    </message>
</context>
<context>
    <name>MergedReportText</name>
    <message>
        <source>Merged Files: %1, %2</source>
        <translation>Fichiers fusionnés : %1, %2</translation>
    </message>
    <message>
        <source>Unable to merge the same file!</source>
        <translation>Impossible de fusionner un fichier avec lui-même !</translation>
    </message>
    <message>
        <source>Points of both files added up; weights and dropped scores are not applied.</source>
        <translation>Points des deux fichiers additionnés ; les coefficients et les notes ignorées ne sont pas appliqués.</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>MessageFiles</name>
    <message>
        <source>Unable to create the folder %1 for the messages.</source>
        <translation>Impossible de créer le dossier %1 pour les messages.</translation>
    </message>
</context>
<context>
    <name>OleCompoundFile</name>
    <message>
        <source>the workbook container could not be made</source>
        <translation>le conteneur du classeur n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the workbook could not be written</source>
        <translation>le classeur n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>the workbook could not be closed</source>
        <translation>le classeur n&apos;a pas pu être fermé</translation>
    </message>
    <message>
        <source>the document title could not be written</source>
        <translation>le titre du document n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>the title could not be closed</source>
        <translation>le titre n&apos;a pas pu être fermé</translation>
    </message>
    <message>
        <source>the workbook container could not be closed</source>
        <translation>le conteneur du classeur n&apos;a pas pu être fermé</translation>
    </message>
    <message>
        <source>the workbook container is empty</source>
        <translation>le conteneur du classeur est vide</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Passwords cannot be checked on this computer: the password library (libsodium) could not be started.</source>
        <translation>Les mots de passe ne peuvent pas être vérifiés sur cet ordinateur : la bibliothèque des mots de passe (libsodium) n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The password could not be stored: there is not enough memory to protect it.</source>
        <translation>Le mot de passe n&apos;a pas pu être enregistré : il n&apos;y a pas assez de mémoire pour le protéger.</translation>
    </message>
</context>
<context>
    <name>PrintCopy</name>
    <message>
        <source>(no ID)</source>
        <translation>(sans numéro)</translation>
    </message>
    <message>
        <source>Student ID&apos;s</source>
        <translation>Numéros des élèves</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The printer refused page %1.</source>
        <translation>L&apos;imprimante a refusé la page %1.</translation>
    </message>
    <message>
        <source>The printout could not be finished.</source>
        <translation>L&apos;impression n&apos;a pas pu être terminée.</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>Unable to save the settings in %1: the file cannot be written.</source>
        <translation>Impossible d&apos;enregistrer les réglages dans %1 : le fichier ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Unable to save the settings in %1: the file is damaged.</source>
        <translation>Impossible d&apos;enregistrer les réglages dans %1 : le fichier est endommagé.</translation>
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
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>An untitled class has no recovery copy.</source>
        <translation>Une classe sans titre n&apos;a pas de copie de récupération.</translation>
    </message>
    <message>
        <source>The recovery copy of %1 is gone or damaged.</source>
        <translation>La copie de récupération de %1 a disparu ou est endommagée.</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>Decide &amp;later</source>
        <translation>Décider &amp;plus tard</translation>
    </message>
    <message>
        <source>Recover the unsaved changes to &quot;%1&quot; from %2?</source>
        <translation>Récupérer les modifications non enregistrées de « %1 » depuis %2 ?</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>Grades of {name}</source>
        <translation>Notes de {name}</translation>
    </message>
    <message>
        <source>Hello,

attached is the current grade report of {name}.

Kind regards</source>
        <translation>Bonjour,

vous trouverez ci-joint le bulletin de notes actuel de {name}.

Bien cordialement</translation>
    </message>
</context>
<context>
    <name>ReportWindowParts</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The report could not be printed: </source>
        <translation>Le relevé n&apos;a pas pu être imprimé : </translation>
    </message>
</context>
<context>
    <name>RosterChanges</name>
    <message>
        <source>Import Students</source>
        <translation>Import d&apos;élèves</translation>
    </message>
    <message>
        <source>Add Assignment</source>
        <translation>Ajout d&apos;une évaluation</translation>
    </message>
    <message>
        <source>Import Points</source>
        <translation>Import de points</translation>
    </message>
    <message>
        <source>Possible Points</source>
        <translation>Points possibles</translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation>Importer des notes</translation>
    </message>
</context>
<context>
    <name>RowProblems</name>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1 : ligne %2 : %3</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 ligne refusée</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes refusées</translation>
    </message>
    <message>
        <source>%1: %2 refused; nothing was written</source>
        <translation>%1 : %2 ; rien n&apos;a été écrit</translation>
    </message>
</context>
<context>
    <name>SaveJournal</name>
    <message>
        <source>The save journal %1 is damaged; the save it guards cannot be finished. Look at the class&apos;s files and remove the journal by hand.</source>
        <translation>Le journal d&apos;enregistrement %1 est endommagé ; l&apos;enregistrement qu&apos;il protège ne peut pas être terminé. Vérifiez les fichiers de la classe et supprimez le journal à la main.</translation>
    </message>
    <message>
        <source>Unable to put %1 back from %2: %3</source>
        <translation>Impossible de rétablir %1 à partir de %2 : %3</translation>
    </message>
    <message>
        <source>Unable to open the save journal %1: %2</source>
        <translation>Impossible d&apos;ouvrir le journal d&apos;enregistrement %1 : %2</translation>
    </message>
</context>
<context>
    <name>ScaleChecks</name>
    <message>
        <source>No range fields can be left blank</source>
        <translation>Aucune case de l&apos;intervalle ne peut rester vide</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Valeur non valide !</translation>
    </message>
    <message>
        <source>Minimum percentage is greater than maximum percentage for same grade</source>
        <translation>Le pourcentage minimum dépasse le pourcentage maximum pour la même note</translation>
    </message>
    <message>
        <source>Minimum percentage of higher grade is greater than maximum percentage of lower grade</source>
        <translation>Le pourcentage minimum de la note supérieure dépasse le pourcentage maximum de la note inférieure</translation>
    </message>
    <message>
        <source>%1: “%2” starts at %3 but ends at %4.</source>
        <translation>%1 : « %2 » commence à %3 mais finit à %4.</translation>
    </message>
    <message>
        <source>%1: “%2” starts at %3, below %4 where “%5” ends.</source>
        <translation>%1 : « %2 » commence à %3, en dessous de %4 où finit « %5 ».</translation>
    </message>
    <message>
        <source>A scale of this kind has %1 letters, not %2.</source>
        <translation>Un barème de ce genre a %1 lettres, et non %2.</translation>
    </message>
    <message>
        <source>Letter “%1”, %2: %3</source>
        <translation>Lettre « %1 », %2 : %3</translation>
    </message>
    <message>
        <source>Min %</source>
        <translation>Min %</translation>
    </message>
    <message>
        <source>Max %</source>
        <translation>Max %</translation>
    </message>
</context>
<context>
    <name>ScaleStore</name>
    <message>
        <source>A grade scale needs a name.</source>
        <translation>Un barème de notes doit avoir un nom.</translation>
    </message>
    <message>
        <source>The grade scale name “%1” cannot contain \ or /.</source>
        <translation>Le nom de barème « %1 » ne peut pas contenir \ ni /.</translation>
    </message>
    <message>
        <source>A grade scale name cannot hold a line break, a tab or another control character.</source>
        <translation>Un nom de barème ne peut contenir ni saut de ligne, ni tabulation, ni autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>The grade scale name “%1” is too long: at most %2 characters fit.</source>
        <translation>Le nom de barème « %1 » est trop long : %2 caractères au plus.</translation>
    </message>
    <message>
        <source>“%1” cannot be used as a letter grade.</source>
        <translation>« %1 » ne peut pas servir de note en lettre.</translation>
    </message>
    <message>
        <source>The default grade scale cannot be deleted.</source>
        <translation>Le barème de notes par défaut ne peut pas être supprimé.</translation>
    </message>
</context>
<context>
    <name>ScoreColumns</name>
    <message>
        <source>the date the file was downloaded</source>
        <translation>la date du téléchargement du fichier</translation>
    </message>
    <message>
        <source>an override of the final grade</source>
        <translation>un remplacement de la note finale</translation>
    </message>
    <message>
        <source>a total</source>
        <translation>un total</translation>
    </message>
    <message>
        <source>a score the learning system works out</source>
        <translation>une note que calcule la plateforme</translation>
    </message>
    <message>
        <source>a grade, not points</source>
        <translation>une appréciation, pas des points</translation>
    </message>
    <message>
        <source>feedback, not a score</source>
        <translation>des commentaires, pas une note</translation>
    </message>
    <message>
        <source>a percentage or an average, not points</source>
        <translation>un pourcentage ou une moyenne, pas des points</translation>
    </message>
    <message>
        <source>Canvas&apos;s own number for the student, not the school&apos;s ID</source>
        <translation>le numéro propre à Canvas pour l&apos;élève, pas l&apos;identifiant de l&apos;établissement</translation>
    </message>
    <message>
        <source>not a score: Moodle gives points in its (Real) columns</source>
        <translation>pas une note&#xa0;: Moodle donne les points dans ses colonnes (Real)</translation>
    </message>
    <message>
        <source>a percentage</source>
        <translation>un pourcentage</translation>
    </message>
    <message>
        <source>a letter grade</source>
        <translation>une note en lettre</translation>
    </message>
    <message>
        <source>feedback</source>
        <translation>des commentaires</translation>
    </message>
    <message>
        <source>the column has no heading</source>
        <translation>la colonne n&apos;a pas d&apos;en-tête</translation>
    </message>
    <message>
        <source>a detail of the student, not a score</source>
        <translation>un renseignement sur l&apos;élève, pas une note</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>line %1, column %2: &quot;%3&quot; lies beyond the last column of the header (%4 columns); are the columns shifted?</source>
        <translation>ligne %1, colonne %2&#xa0;: «&#xa0;%3&#xa0;» est au-delà de la dernière colonne de l&apos;en-tête (%4 colonnes)&#xa0;; les colonnes sont-elles décalées&#xa0;?</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB: it is not a gradebook</source>
        <translation>le fichier dépasse %1 Mo&#xa0;: ce n&apos;est pas un carnet de notes</translation>
    </message>
    <message>
        <source>this is a workbook (.xlsx or .ods), not CSV: save it as CSV first</source>
        <translation>c&apos;est un classeur (.xlsx ou .ods), pas du CSV&#xa0;: enregistrez-le d&apos;abord en CSV</translation>
    </message>
    <message>
        <source>line %1: the file holds NUL bytes: it is not CSV text (save it as CSV, UTF-8)</source>
        <translation>ligne %1&#xa0;: le fichier contient des octets NUL&#xa0;: ce n&apos;est pas du texte CSV (enregistrez-le en CSV, UTF-8)</translation>
    </message>
    <message>
        <source>the file is empty: it needs a header naming the columns</source>
        <translation>le fichier est vide : il lui faut un en-tête qui nomme les colonnes</translation>
    </message>
    <message>
        <source>%1: the file is larger than %2 MB: it is not a gradebook</source>
        <translation>%1&#xa0;: le fichier dépasse %2 Mo&#xa0;: ce n&apos;est pas un carnet de notes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Canvas gradebook</source>
        <translation>carnet de notes Canvas</translation>
    </message>
    <message>
        <source>Moodle grades</source>
        <translation>notes Moodle</translation>
    </message>
    <message>
        <source>Google Classroom grades</source>
        <translation>notes Google Classroom</translation>
    </message>
    <message>
        <source>spreadsheet</source>
        <translation>tableur</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>séparé par des virgules</translation>
    </message>
    <message>
        <source>separated by semicolons</source>
        <translation>séparé par des points-virgules</translation>
    </message>
    <message>
        <source>separated by tabs</source>
        <translation>séparé par des tabulations</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>, decimal commas</source>
        <translation>, virgules décimales</translation>
    </message>
</context>
<context>
    <name>ScoreMapping</name>
    <message>
        <source>the header must name the columns &quot;column&quot; and &quot;assignment&quot;</source>
        <translation>l&apos;en-tête doit nommer les colonnes «&#xa0;column&#xa0;» et «&#xa0;assignment&#xa0;»</translation>
    </message>
    <message>
        <source>the score file has no column &quot;%1&quot;</source>
        <translation>le fichier de notes n&apos;a pas de colonne «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the class has no assignment &quot;%1&quot; (--new-assignments TYPE makes it)</source>
        <translation>la classe n&apos;a pas d&apos;évaluation «&#xa0;%1&#xa0;» (--new-assignments TYPE la crée)</translation>
    </message>
</context>
<context>
    <name>ScorePlan</name>
    <message>
        <source>column %1 (%2): %3</source>
        <translation>colonne %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>no column names the students: choose the column of their names, IDs or e-mail addresses</source>
        <translation>aucune colonne ne nomme les élèves&#xa0;: choisissez la colonne de leurs noms, identifiants ou adresses électroniques</translation>
    </message>
    <message>
        <source>there is no such assignment</source>
        <translation>cette évaluation n&apos;existe pas</translation>
    </message>
    <message>
        <source>its scores go to &quot;%1&quot;, as those of column %2 do: ignore one of them</source>
        <translation>ses notes vont à «&#xa0;%1&#xa0;», comme celles de la colonne %2&#xa0;: ignorez l&apos;une des deux</translation>
    </message>
    <message>
        <source>no name, ID or e-mail address: left out</source>
        <translation>ni nom, ni identifiant, ni adresse électronique&#xa0;: laissée de côté</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>laissée de côté</translation>
    </message>
    <message>
        <source>there is no such student</source>
        <translation>cet élève n&apos;existe pas</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>choisi</translation>
    </message>
    <message>
        <source>matches %1 students: choose one</source>
        <translation>correspond à %1 élèves&#xa0;: choisissez-en un</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 students of the class (%3): choose one</source>
        <translation>«&#xa0;%1&#xa0;» correspond à %2 élèves de la classe (%3)&#xa0;: choisissez-en un</translation>
    </message>
    <message>
        <source>matches no student of the class: left out</source>
        <translation>ne correspond à aucun élève de la classe&#xa0;: laissée de côté</translation>
    </message>
    <message>
        <source>matches no student of the class</source>
        <translation>ne correspond à aucun élève de la classe</translation>
    </message>
    <message>
        <source>no student of the class matches &quot;%1&quot;</source>
        <translation>aucun élève de la classe ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>by ID</source>
        <translation>par identifiant</translation>
    </message>
    <message>
        <source>by e-mail address</source>
        <translation>par adresse électronique</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>par nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the class: choose that student or leave the row out</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans la classe&#xa0;: choisissez cet élève ou laissez la ligne de côté</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also on line %2</source>
        <translation>«&#xa0;%1&#xa0;» est aussi à la ligne %2</translation>
    </message>
    <message>
        <source>joins the class</source>
        <translation>rejoint la classe</translation>
    </message>
    <message>
        <source>%1 is on lines %2</source>
        <translation>%1 est aux lignes %2</translation>
    </message>
    <message>
        <source>%1 is on lines %2: leave one out or choose another student</source>
        <translation>%1 est aux lignes %2&#xa0;: laissez-en une de côté ou choisissez un autre élève</translation>
    </message>
</context>
<context>
    <name>ScorePreview</name>
    <message>
        <source>above the %1 possible points</source>
        <translation>au-delà des %1 points possibles</translation>
    </message>
    <message>
        <source>new student</source>
        <translation>nouvel élève</translation>
    </message>
    <message>
        <source>new assignment</source>
        <translation>nouvelle évaluation</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4, %5</source>
        <translation>%1, %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>1 score changed</source>
        <translation>1 note changée</translation>
    </message>
    <message>
        <source>%1 scores changed</source>
        <translation>%1 notes changées</translation>
    </message>
    <message>
        <source>1 unchanged</source>
        <translation>1 inchangée</translation>
    </message>
    <message>
        <source>%1 unchanged</source>
        <translation>%1 inchangées</translation>
    </message>
    <message>
        <source>1 new assignment</source>
        <translation>1 nouvelle évaluation</translation>
    </message>
    <message>
        <source>%1 new assignments</source>
        <translation>%1 nouvelles évaluations</translation>
    </message>
    <message>
        <source>1 new student</source>
        <translation>1 nouvel élève</translation>
    </message>
    <message>
        <source>%1 new students</source>
        <translation>%1 nouveaux élèves</translation>
    </message>
    <message>
        <source>1 refused cell</source>
        <translation>1 case refusée</translation>
    </message>
    <message>
        <source>%1 refused cells</source>
        <translation>%1 cases refusées</translation>
    </message>
</context>
<context>
    <name>ScoreValues</name>
    <message>
        <source>&quot;%1&quot; is not a score</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une note</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters a score may have</source>
        <translation>«&#xa0;%1&#xa0;» dépasse les %2 caractères qu&apos;une note peut avoir</translation>
    </message>
</context>
<context>
    <name>SeatAccessible</name>
    <message>
        <source>Seat at %1, %2 on the chart, %3 by %4</source>
        <translation>Place en %1, %2 sur le plan, %3 sur %4</translation>
    </message>
</context>
<context>
    <name>SeatChanges</name>
    <message>
        <source>A student&apos;s seat cannot be captioned &quot;%1&quot;: that caption is the teacher&apos;s.</source>
        <translation>La place d&apos;un élève ne peut pas s&apos;appeler « %1 » : ce nom est réservé au professeur.</translation>
    </message>
    <message>
        <source>The seat&apos;s caption or font name is too long to be saved.</source>
        <translation>Le nom de la place ou le nom de sa police est trop long pour être enregistré.</translation>
    </message>
    <message>
        <source>That seat is no longer on the chart.</source>
        <translation>Cette place n&apos;est plus sur le plan.</translation>
    </message>
    <message>
        <source>Add Seat</source>
        <translation>Ajout d&apos;une place</translation>
    </message>
    <message>
        <source>Edit Seat</source>
        <translation>Modification de la place</translation>
    </message>
    <message>
        <source>The teacher&apos;s seat cannot be edited.</source>
        <translation>La place du professeur ne peut pas être modifiée.</translation>
    </message>
    <message>
        <source>Delete Seat</source>
        <translation>Suppression de la place</translation>
    </message>
    <message>
        <source>The teacher&apos;s seat cannot be deleted.</source>
        <translation>La place du professeur ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>Move Seat</source>
        <translation>Déplacement de la place</translation>
    </message>
    <message>
        <source>Resize Seat</source>
        <translation>Redimensionnement de la place</translation>
    </message>
</context>
<context>
    <name>SeatItem</name>
    <message>
        <source>Teacher</source>
        <translation>Professeur</translation>
    </message>
    <message>
        <source>Empty seat</source>
        <translation>Place libre</translation>
    </message>
</context>
<context>
    <name>SeatingFile</name>
    <message>
        <source>the caption of %1 %2</source>
        <translation>le nom de %1 %2</translation>
    </message>
    <message>
        <source>the font name of %1 %2</source>
        <translation>le nom de police de %1 %2</translation>
    </message>
    <message>
        <source>seat %1</source>
        <translation>la place %1</translation>
    </message>
    <message>
        <source>the teacher&apos;s box</source>
        <translation>la place du professeur</translation>
    </message>
    <message>
        <source>The seating chart cannot be saved: %1.</source>
        <translation>Le plan de classe ne peut pas être enregistré : %1.</translation>
    </message>
    <message>
        <source>the caption of %1 does not end within its %2 bytes</source>
        <translation>le nom de %1 ne se termine pas dans ses %2 octets</translation>
    </message>
    <message>
        <source>the font name of %1 does not end within its %2 bytes</source>
        <translation>le nom de police de %1 ne se termine pas dans ses %2 octets</translation>
    </message>
    <message>
        <source>it is shorter than one record of %1 bytes</source>
        <translation>il est plus court qu&apos;un enregistrement de %1 octets</translation>
    </message>
    <message>
        <source>The file %1 is damaged or is not a seating file: %2.</source>
        <translation>Le fichier %1 est endommagé ou n&apos;est pas un fichier de plan de classe : %2.</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>sent</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>deferred</source>
        <translation>différé</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>mail program</source>
        <translation>logiciel de messagerie</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Unable to read the send log %1: %2</source>
        <translation>Impossible de lire le journal des envois %1 : %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Réponse</translation>
    </message>
</context>
<context>
    <name>SendSummary</name>
    <message>
        <source>Sent: %1. Refused: %2. Deferred: %3. Unknown: %4. Not sent: %5. Skipped (no address): %6.</source>
        <translation>Envoyés : %1. Refusés : %2. Différés : %3. Inconnus : %4. Non envoyés : %5. Ignorés (sans adresse) : %6.</translation>
    </message>
    <message>
        <source>Sending was cancelled.</source>
        <translation>L&apos;envoi a été annulé.</translation>
    </message>
    <message>
        <source>Sending stopped: %1</source>
        <translation>L&apos;envoi s&apos;est arrêté : %1</translation>
    </message>
    <message>
        <source>Where the result is unknown, the connection was lost after the message was sent: it may have arrived.</source>
        <translation>Là où le résultat est inconnu, la connexion a été perdue après l&apos;envoi du message : il a pu arriver.</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignoré</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sans adresse</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>non tenté</translation>
    </message>
</context>
<context>
    <name>ServerSending</name>
    <message>
        <source>The report could not be made.</source>
        <translation>Le bulletin n&apos;a pas pu être fait.</translation>
    </message>
    <message>
        <source>Sending message %1 of %2...</source>
        <translation>Envoi du message %1 sur %2...</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>the file name has no extension</source>
        <translation>le nom du fichier n&apos;a pas d&apos;extension</translation>
    </message>
    <message>
        <source>&quot;.%1&quot; is not a spreadsheet type Markwell writes</source>
        <translation>« .%1 » n&apos;est pas un type de tableur que Markwell sait écrire</translation>
    </message>
    <message>
        <source>%1; use %2.</source>
        <translation>%1 ; utilisez %2.</translation>
    </message>
    <message>
        <source>there is no table to write</source>
        <translation>il n&apos;y a aucun tableau à écrire</translation>
    </message>
</context>
<context>
    <name>SmtpSession</name>
    <message>
        <source>The mail library could not be started.</source>
        <translation>La bibliothèque de messagerie n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>No mail server is set.</source>
        <translation>Aucun serveur de messagerie n&apos;est réglé.</translation>
    </message>
    <message>
        <source>A password is never sent without TLS: %1 is not on this computer. Choose STARTTLS or TLS.</source>
        <translation>Un mot de passe n&apos;est jamais envoyé sans TLS : %1 n&apos;est pas sur cet ordinateur. Choisissez STARTTLS ou TLS.</translation>
    </message>
    <message>
        <source>The CA file %1 cannot be read.</source>
        <translation>Le fichier d&apos;AC %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The mail server %1 did not accept the user name or password: %2</source>
        <translation>Le serveur de messagerie %1 n&apos;a pas accepté le nom d&apos;utilisateur ou le mot de passe : %2</translation>
    </message>
    <message>
        <source>The mail server %1 refused the connection: %2</source>
        <translation>Le serveur de messagerie %1 a refusé la connexion : %2</translation>
    </message>
    <message>
        <source>No secure connection to the mail server %1: %2</source>
        <translation>Pas de connexion sécurisée au serveur de messagerie %1 : %2</translation>
    </message>
    <message>
        <source>Unable to connect to the mail server %1: %2</source>
        <translation>Impossible de se connecter au serveur de messagerie %1 : %2</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
</context>
<context>
    <name>StudentEditing</name>
    <message>
        <source>There is already a student named &quot;%1&quot; (capitals do not make names different).</source>
        <translation>Il y a déjà un élève nommé « %1 » (les majuscules ne suffisent pas à distinguer deux noms).</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>a name cannot contain &quot;~&quot;</source>
        <translation>un nom ne peut pas contenir « ~ »</translation>
    </message>
    <message>
        <source>already in the class</source>
        <translation>déjà dans la classe</translation>
    </message>
    <message>
        <source>Choose the student to change first.</source>
        <translation>Choisissez d&apos;abord l&apos;élève à modifier.</translation>
    </message>
    <message>
        <source>These students were not imported:</source>
        <translation>Ces élèves n&apos;ont pas été importés :</translation>
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
        <translation>nom</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>street</source>
        <translation>rue</translation>
    </message>
    <message>
        <source>city</source>
        <translation>ville</translation>
    </message>
    <message>
        <source>state</source>
        <translation>État</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>code postal</translation>
    </message>
    <message>
        <source>mother&apos;s name</source>
        <translation>nom de la mère</translation>
    </message>
    <message>
        <source>mother&apos;s phone</source>
        <translation>téléphone de la mère</translation>
    </message>
    <message>
        <source>father&apos;s name</source>
        <translation>nom du père</translation>
    </message>
    <message>
        <source>father&apos;s phone</source>
        <translation>téléphone du père</translation>
    </message>
    <message>
        <source>student&apos;s e-mail address</source>
        <translation>adresse e-mail de l&apos;élève</translation>
    </message>
    <message>
        <source>mother&apos;s e-mail address</source>
        <translation>adresse e-mail de la mère</translation>
    </message>
    <message>
        <source>father&apos;s e-mail address</source>
        <translation>adresse e-mail du père</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>commentaire</translation>
    </message>
</context>
<context>
    <name>StudentPrintout</name>
    <message>
        <source>- Student ID: </source>
        <translation>- Numéro de l&apos;élève : </translation>
    </message>
    <message>
        <source>- Street Address: </source>
        <translation>- Adresse : </translation>
    </message>
    <message>
        <source>- City: </source>
        <translation>- Ville : </translation>
    </message>
    <message>
        <source>- State: </source>
        <translation>- État : </translation>
    </message>
    <message>
        <source>- Zipcode: </source>
        <translation>- Code postal : </translation>
    </message>
    <message>
        <source>- Email Address: </source>
        <translation>- Adresse e-mail : </translation>
    </message>
    <message>
        <source>- Mother&apos;s name: </source>
        <translation>- Nom de la mère : </translation>
    </message>
    <message>
        <source>- Father&apos;s name: </source>
        <translation>- Nom du père : </translation>
    </message>
    <message>
        <source>- Mother&apos;s phone: </source>
        <translation>- Téléphone de la mère : </translation>
    </message>
    <message>
        <source>- Father&apos;s phone: </source>
        <translation>- Téléphone du père : </translation>
    </message>
    <message>
        <source>- Mother&apos;s E-mail: </source>
        <translation>- E-mail de la mère : </translation>
    </message>
    <message>
        <source>- Father&apos;s E-mail: </source>
        <translation>- E-mail du père : </translation>
    </message>
    <message>
        <source>- Comments: </source>
        <translation>- Commentaires : </translation>
    </message>
</context>
<context>
    <name>TableActions</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;Grid Lines</source>
        <translation>Quadrillag&amp;e</translation>
    </message>
    <message>
        <source>Toggle Grid Lines</source>
        <translation>Afficher ou masquer le quadrillage</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Croissant</translation>
    </message>
    <message>
        <source>Sort Ascending</source>
        <translation>Tri croissant</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Décroissant</translation>
    </message>
    <message>
        <source>Sort Descending</source>
        <translation>Tri décroissant</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <comment>the folder of the help pages in this language: es, fr</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>TypedPoints</name>
    <message>
        <source>Points can only be typed into a student&apos;s row under an assignment.</source>
        <translation>Les points ne peuvent être tapés que sur la ligne d&apos;un élève, sous une évaluation.</translation>
    </message>
    <message>
        <source>Typed Points</source>
        <translation>Saisie de points</translation>
    </message>
</context>
<context>
    <name>Validators</name>
    <message>
        <source>a line break</source>
        <translation>un saut de ligne</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>une tabulation</translation>
    </message>
    <message>
        <source>a control character (code %1)</source>
        <translation>un caractère de contrôle (code %1)</translation>
    </message>
    <message>
        <source>The %1 cannot hold %2: &quot;%3&quot;.</source>
        <translation>Le champ « %1 » ne peut pas contenir %2 : « %3 ».</translation>
    </message>
    <message>
        <source>The %1 cannot be kept: %2</source>
        <translation>Le champ « %1 » ne peut pas être conservé : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of points. Type a number such as 17 or 17.5 (at most %2 characters), or &quot;-&quot; when the assignment does not count for this student.</source>
        <translation>« %1 » n&apos;est pas un nombre de points. Tapez un nombre comme 17 ou 17,5 (%2 caractères au plus), ou « - » quand l&apos;évaluation ne compte pas pour cet élève.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of possible points. Type a number such as 100 or 17.5 (at most %2 characters).</source>
        <translation>« %1 » n&apos;est pas un nombre de points possibles. Tapez un nombre comme 100 ou 17,5 (%2 caractères au plus).</translation>
    </message>
    <message>
        <source>The %1 is %2 characters long; it can hold at most %3.</source>
        <translation>Le champ « %1 » compte %2 caractères ; il en contient au plus %3.</translation>
    </message>
    <message>
        <source>Invalid Student Name!</source>
        <translation>Nom d&apos;élève non valide !</translation>
    </message>
    <message>
        <source>A student&apos;s name cannot contain &quot;~&quot;: &quot;%1&quot;.</source>
        <translation>Le nom d&apos;un élève ne peut pas contenir « ~ » : « %1 ».</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>The %1 is %2 characters long (a line break counts as two); it can hold at most %3. Please shorten it.</source>
        <translation>Le champ « %1 » compte %2 caractères (un saut de ligne compte pour deux) ; il en contient au plus %3. Raccourcissez-le.</translation>
    </message>
</context>
<context>
    <name>WhatItTakes</name>
    <message>
        <source>&quot;%1&quot; is not a letter of the grade scale</source>
        <translation>« %1 » n&apos;est pas une lettre du barème de notes</translation>
    </message>
    <message>
        <source>Needs %1 of %2 points on &quot;%3&quot; for %4 (average %5).</source>
        <translation>Il faut %1 points sur %2 à « %3 » pour obtenir %4 (moyenne %5).</translation>
    </message>
    <message>
        <source>%1 is reached with 0 points on &quot;%2&quot; (average %3).</source>
        <translation>%1 est atteint avec 0 point à « %2 » (moyenne %3).</translation>
    </message>
    <message>
        <source>%1 is out of reach on &quot;%2&quot;: %3 of %3 points give %4 (average %5).</source>
        <translation>%1 est hors d&apos;atteinte avec « %2 » : %3 points sur %3 donnent %4 (moyenne %5).</translation>
    </message>
</context>
<context>
    <name>XlsWriter</name>
    <message>
        <source>the workbook has no table to write</source>
        <translation>le classeur n&apos;a aucun tableau à écrire</translation>
    </message>
    <message>
        <source>the table uses %1 different cell formats; a .xls file holds at most %2. Save it as .xlsx or .csv instead.</source>
        <translation>le tableau utilise %1 formats de cellule différents ; un fichier .xls en contient au plus %2. Enregistrez-le plutôt en .xlsx ou en .csv.</translation>
    </message>
</context>
<context>
    <name>XlsxWriter</name>
    <message>
        <source>cell %1: %2</source>
        <translation>cellule %1 : %2</translation>
    </message>
    <message>
        <source>print header: %1</source>
        <translation>en-tête d&apos;impression : %1</translation>
    </message>
    <message>
        <source>the worksheet could not be added</source>
        <translation>la feuille de calcul n&apos;a pas pu être ajoutée</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>le classeur n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>the workbook has no table to write</source>
        <translation>le classeur n&apos;a aucun tableau à écrire</translation>
    </message>
</context>
<context>
    <name>markwell::AboutDialog</name>
    <message>
        <source>Copyright 2026 The Computerized Markwell developers.&lt;br&gt;Markwell is free software: you may share and change it under the terms of the &lt;a href=&quot;%1&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or any later version. It comes with no warranty.</source>
        <translation>Copyright 2026 Les développeurs de Computerized Markwell.&lt;br&gt;Markwell est un logiciel libre : vous pouvez le partager et le modifier selon les termes de la &lt;a href=&quot;%1&quot;&gt;Licence publique générale GNU&lt;/a&gt;, version 3 ou toute version ultérieure. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>About Markwell</source>
        <translation>À propos de Markwell</translation>
    </message>
    <message>
        <source>Computerized Markwell</source>
        <translation>Computerized Markwell</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>A class record for teachers: grades, attendance and seating.</source>
        <translation>Le cahier de notes de l&apos;enseignant : notes, présences et plan de classe.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Écrivez-nous</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>markwell::AssignmentListDialog</name>
    <message>
        <source>Total number of assignments: %1</source>
        <translation>Nombre total d&apos;évaluations : %1</translation>
    </message>
    <message>
        <source>Assignment List</source>
        <translation>Liste des évaluations</translation>
    </message>
    <message>
        <source>Added Assi&amp;gnments</source>
        <translation>É&amp;valuations ajoutées</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Évaluations</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titre</translation>
    </message>
    <message>
        <source>T&amp;ype</source>
        <translation>T&amp;ype</translation>
    </message>
    <message>
        <source>De&amp;scription</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>Keep the changes made to &quot;%1&quot;?</source>
        <translation>Garder les modifications apportées à « %1 » ?</translation>
    </message>
    <message>
        <source>Add &quot;%1&quot;, typed but not added yet, to the assignments?</source>
        <translation>Ajouter aux évaluations « %1 », tapée mais pas encore ajoutée ?</translation>
    </message>
    <message>
        <source>Remove all assignments?</source>
        <translation>Retirer toutes les évaluations ?</translation>
    </message>
    <message>
        <source>The assignments could not be printed: </source>
        <translation>Les évaluations n&apos;ont pas pu être imprimées : </translation>
    </message>
    <message>
        <source>Added assignments</source>
        <translation>Évaluations ajoutées</translation>
    </message>
</context>
<context>
    <name>markwell::AttendanceAnalysisWindow</name>
    <message>
        <source>Attendance Analysis</source>
        <translation>Analyse des présences</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Its marks are not counted here.</source>
        <translation>Ses saisies ne sont pas comptées ici.</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>A&amp;nnée</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>&amp;Élève</translation>
    </message>
    <message>
        <source>The attendance analysis could not be printed: </source>
        <translation>L&apos;analyse des présences n&apos;a pas pu être imprimée : </translation>
    </message>
    <message>
        <source>Attendance analysis</source>
        <translation>Analyse des présences</translation>
    </message>
</context>
<context>
    <name>markwell::AttendancePage</name>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mois :</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année :</translation>
    </message>
    <message>
        <source>T - Tardy</source>
        <translation>T - Retard</translation>
    </message>
    <message>
        <source>U - Unexcused Absence</source>
        <translation>U - Absence non justifiée</translation>
    </message>
    <message>
        <source>E - Excused Absence</source>
        <translation>E - Absence justifiée</translation>
    </message>
    <message>
        <source>Tardy</source>
        <translation>Retard</translation>
    </message>
    <message>
        <source>Unexcused Absence</source>
        <translation>Absence non justifiée</translation>
    </message>
    <message>
        <source>Excused Absence</source>
        <translation>Absence justifiée</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No marks can be recorded until that file is deleted or renamed and the class is saved or opened again.</source>
        <translation>Aucune marque ne peut être notée tant que ce fichier n&apos;est pas supprimé ou renommé et que la classe n&apos;est pas enregistrée ou rouverte.</translation>
    </message>
    <message>
        <source>Attendance</source>
        <translation>Présences</translation>
    </message>
    <message>
        <source>A row for each student, a column for each day of the month: T marks a tardy, U an unexcused absence, E an excused absence.</source>
        <translation>Une ligne par élève, une colonne par jour du mois : T note un retard, U une absence non justifiée, E une absence justifiée.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
    <message>
        <source>Unexcused absence</source>
        <translation>Absence non justifiée</translation>
    </message>
    <message>
        <source>Excused absence</source>
        <translation>Absence justifiée</translation>
    </message>
    <message>
        <source>Tardies</source>
        <translation>Retards</translation>
    </message>
    <message>
        <source>Unexcused absences</source>
        <translation>Absences non justifiées</translation>
    </message>
    <message>
        <source>Excused absences</source>
        <translation>Absences justifiées</translation>
    </message>
</context>
<context>
    <name>markwell::ClassHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>markwell::ClassImportDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>markwell::CurveDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Ajuster les notes</translation>
    </message>
    <message>
        <source>&amp;Assignment:</source>
        <translation>É&amp;valuation :</translation>
    </message>
    <message>
        <source>Old and new scores</source>
        <translation>Anciennes et nouvelles notes</translation>
    </message>
    <message>
        <source>The class before and after</source>
        <translation>La classe avant et après</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Scale so that the &amp;highest score becomes the possible points</source>
        <translation>&amp;Mettre à l&apos;échelle pour que la meilleure note devienne le maximum</translation>
    </message>
    <message>
        <source>Set the &amp;mean to</source>
        <translation>Amener la m&amp;oyenne à</translation>
    </message>
    <message>
        <source>Ma&amp;p</source>
        <translation>&amp;Transposer</translation>
    </message>
    <message>
        <source>points to every score</source>
        <translation>points à chaque note</translation>
    </message>
    <message>
        <source>% of the possible points</source>
        <translation>% des points possibles</translation>
    </message>
    <message>
        <source>to</source>
        <translation>vers</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Pas du tout</translation>
    </message>
    <message>
        <source>To whole points</source>
        <translation>Au point entier</translation>
    </message>
    <message>
        <source>To half points</source>
        <translation>Au demi-point</translation>
    </message>
    <message>
        <source>&amp;Round:</source>
        <translation>A&amp;rrondir :</translation>
    </message>
    <message>
        <source>Cap a&amp;t the possible points</source>
        <translation>&amp;Pas au-delà des points possibles</translation>
    </message>
    <message>
        <source>Possible points: %1</source>
        <translation>Points possibles : %1</translation>
    </message>
    <message>
        <source>Scores that change: %1. Edit &gt; Undo takes the curve back.</source>
        <translation>Notes qui changent : %1. Édition &gt; Annuler défait l&apos;ajustement.</translation>
    </message>
    <message>
        <source>Points to add</source>
        <translation>Points à ajouter</translation>
    </message>
    <message>
        <source>Mean in percent of the possible points</source>
        <translation>Moyenne en pourcentage des points possibles</translation>
    </message>
    <message>
        <source>Low score</source>
        <translation>Note basse</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Note haute</translation>
    </message>
    <message>
        <source>New low score</source>
        <translation>Nouvelle note basse</translation>
    </message>
    <message>
        <source>New high score</source>
        <translation>Nouvelle note haute</translation>
    </message>
</context>
<context>
    <name>markwell::DocumentCommands</name>
    <message>
        <source>Do you wish to save changes?</source>
        <translation>Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Do you wish to save changes to &quot;%1&quot;?</source>
        <translation>Voulez-vous enregistrer les modifications de « %1 » ?</translation>
    </message>
    <message>
        <source>Open Markwell File</source>
        <translation>Ouvrir un fichier Markwell</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in another Markwell window; changes saved there and here will overwrite each other.</source>
        <translation>« %1 » est ouvert dans une autre fenêtre Markwell ; les modifications enregistrées ici et là-bas s&apos;écraseront les unes les autres.</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Ouvrir quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save Markwell As</source>
        <translation>Enregistrer le fichier Markwell sous</translation>
    </message>
    <message>
        <source>The grades table was written to %1; the class itself is not saved.</source>
        <translation>Le tableau des notes a été écrit dans %1 ; la classe elle-même n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The grades table was written to %1.</source>
        <translation>Le tableau des notes a été écrit dans %1.</translation>
    </message>
    <message>
        <source>No earlier version of %1 could be kept: %2</source>
        <translation>Aucune version précédente de %1 n&apos;a pu être conservée : %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another program; the class is not saved. Try again in a moment.</source>
        <translation>%1 est en cours de modification par un autre programme ; la classe n&apos;est pas enregistrée. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since it was opened. Overwrite it?</source>
        <translation>« %1 » a été modifié par un autre programme depuis son ouverture. Le remplacer ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since it was opened. Your changes are kept; saving will ask before overwriting it.</source>
        <translation>« %1 » a été modifié par un autre programme depuis son ouverture. Vos modifications sont conservées ; l&apos;enregistrement demandera confirmation avant de le remplacer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since it was opened. Reload it?</source>
        <translation>« %1 » a été modifié par un autre programme depuis son ouverture. Le recharger ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; held 1 byte after the end of the class, which was skipped when it was opened. Saving writes the class without it; the earlier version keeps the file as it was. Save anyway?</source>
        <translation>« %1 » contenait 1 octet après la fin de la classe, qui a été ignoré à l&apos;ouverture. L&apos;enregistrement écrit la classe sans lui ; la version précédente garde le fichier tel qu&apos;il était. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; held %2 bytes after the end of the class, which were skipped when it was opened. Saving writes the class without them; the earlier version keeps the file as it was. Save anyway?</source>
        <translation>« %1 » contenait %2 octets après la fin de la classe, qui ont été ignorés à l&apos;ouverture. L&apos;enregistrement écrit la classe sans eux ; la version précédente garde le fichier tel qu&apos;il était. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>New from Class</source>
        <translation>Nouvelle à partir d&apos;une classe</translation>
    </message>
</context>
<context>
    <name>markwell::DropRuleDialog</name>
    <message>
        <source>Drop Scores</source>
        <translation>Ignorer des notes</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t drop lowest score</source>
        <translation>&amp;Ne pas ignorer la note la plus basse</translation>
    </message>
    <message>
        <source>Drop lowest score &amp;overall</source>
        <translation>Ignorer la note la plus basse sur l&apos;&amp;ensemble</translation>
    </message>
    <message>
        <source>Drop lowest score by assignment t&amp;ype</source>
        <translation>Ignorer la note la plus basse par &amp;type d&apos;évaluation</translation>
    </message>
    <message>
        <source>Drop lowest score in &quot;%1&quot; type</source>
        <translation>Ignorer la note la plus basse du type « %1 »</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Final</source>
        <translation>Examen &amp;final</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Contrôle</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Interrogation</translation>
    </message>
    <message>
        <source>Home&amp;work</source>
        <translation>&amp;Devoirs</translation>
    </message>
    <message>
        <source>&amp;Lab</source>
        <translation>T&amp;P</translation>
    </message>
    <message>
        <source>Ot&amp;her</source>
        <translation>A&amp;utre</translation>
    </message>
</context>
<context>
    <name>markwell::EarlierVersionsDialog</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Earlier Versions of %1</source>
        <translation>Versions précédentes de %1</translation>
    </message>
    <message>
        <source>No earlier version of this class is kept yet: one is kept each time a save replaces the class.</source>
        <translation>Aucune version précédente de cette classe n&apos;est encore conservée : une version est conservée chaque fois qu&apos;un enregistrement remplace la classe.</translation>
    </message>
    <message>
        <source>The version you open becomes a new, untitled class; save it where you like. The class on disk stays as it is.</source>
        <translation>La version que vous ouvrez devient une nouvelle classe sans titre ; enregistrez-la où vous voulez. La classe sur le disque reste telle quelle.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versions précédentes</translation>
    </message>
</context>
<context>
    <name>markwell::EditGradesDialog</name>
    <message>
        <source>Edit Grades</source>
        <translation>Modifier les notes</translation>
    </message>
    <message>
        <source>Grade Information</source>
        <translation>Informations sur les notes</translation>
    </message>
    <message>
        <source>&amp;Assignments</source>
        <translation>&amp;Évaluations</translation>
    </message>
    <message>
        <source>&amp;Total</source>
        <translation>&amp;Total</translation>
    </message>
    <message>
        <source>&amp;Grades</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>- used when assignment should not count towards grade</source>
        <translation>- à utiliser quand l&apos;évaluation ne doit pas compter dans la note</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Clear all points of &quot;%1&quot;?</source>
        <translation>Effacer tous les points de « %1 » ?</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>A row for each student: type the points into the second column.</source>
        <translation>Une ligne par élève : saisissez les points dans la deuxième colonne.</translation>
    </message>
</context>
<context>
    <name>markwell::EditingCommands</name>
    <message>
        <source>Edit Students</source>
        <translation>Modification des élèves</translation>
    </message>
    <message>
        <source>Edit Assignments</source>
        <translation>Modification des évaluations</translation>
    </message>
    <message>
        <source>Edit Grades</source>
        <translation>Modification des notes</translation>
    </message>
</context>
<context>
    <name>markwell::FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>S&amp;trikeout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>The class asks for &quot;%1&quot;, which this computer lacks; it is shown with %2.</source>
        <translation>La classe demande « %1 », absente de cet ordinateur ; elle est affichée avec %2.</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>The colour of the text: opens a choice of colours.</source>
        <translation>La couleur du texte : ouvre un choix de couleurs.</translation>
    </message>
</context>
<context>
    <name>markwell::GradeFileChooser</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Choose the grade file to import from</source>
        <translation>Choisir le fichier de notes d&apos;où importer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Markwell or CSV File (*.grs *.csv)</source>
        <translation>Fichier Markwell ou CSV (*.grs *.csv)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Type the path of a file and press Enter, or choose one with Browse</source>
        <translation>Tapez le chemin d&apos;un fichier et appuyez sur Entrée, ou choisissez-en un avec Parcourir</translation>
    </message>
</context>
<context>
    <name>markwell::GradeInformationWindow</name>
    <message>
        <source>Assignments</source>
        <translation>Évaluations</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Grade Information</source>
        <translation>Informations sur les notes</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Ensemble</translation>
    </message>
    <message>
        <source>&amp;Absent</source>
        <translation>&amp;Absents</translation>
    </message>
    <message>
        <source>&amp;Zero&apos;s</source>
        <translation>&amp;Zéros</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>Répartition</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Manquantes</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Absents</translation>
    </message>
    <message>
        <source>Zeros</source>
        <translation>Zéros</translation>
    </message>
    <message>
        <source>Information pages</source>
        <translation>Pages d&apos;informations</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Missing scores</source>
        <translation>Notes manquantes</translation>
    </message>
</context>
<context>
    <name>markwell::GradeScaleDialog</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>&amp;Enregistrer sous</translation>
    </message>
    <message>
        <source>Grade Scale</source>
        <translation>Barème de notes</translation>
    </message>
    <message>
        <source>Min %</source>
        <translation>Min %</translation>
    </message>
    <message>
        <source>Max %</source>
        <translation>Max %</translation>
    </message>
    <message>
        <source>Invalid value! A bound is a percentage such as 90 or 89.9.</source>
        <translation>Valeur non valide ! Une borne est un pourcentage comme 90 ou 89,9.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>S&amp;tandard</source>
        <translation>S&amp;tandard</translation>
    </message>
    <message>
        <source>&amp;Expanded</source>
        <translation>Éten&amp;du</translation>
    </message>
    <message>
        <source>&amp;Pass/Fail</source>
        <translation>&amp;Admis/Ajourné</translation>
    </message>
    <message>
        <source>The grade scale &quot;%1&quot; could not be saved: %2</source>
        <translation>Le barème de notes « %1 » n&apos;a pas pu être enregistré : %2</translation>
    </message>
    <message>
        <source>Change the scale &quot;%1&quot; for every class that uses it?</source>
        <translation>Modifier le barème « %1 » pour toutes les classes qui l&apos;utilisent ?</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save as New...</source>
        <translation>Enregistrer comme nouveau...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Saved Grade Scale</source>
        <translation>Enregistrer le barème</translation>
    </message>
    <message>
        <source>Save the grade scale as:</source>
        <translation>Enregistrer le barème de notes sous le nom :</translation>
    </message>
    <message>
        <source>A grade scale named &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Un barème de notes nommé « %1 » existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The scale %1 cannot be deleted: new classes use it.</source>
        <translation>Le barème %1 ne peut pas être supprimé : les nouvelles classes l&apos;utilisent.</translation>
    </message>
    <message>
        <source>Delete the grade scale &quot;%1&quot;? It is gone for every class on this computer; classes that use it keep their own copy.</source>
        <translation>Supprimer le barème de notes « %1 » ? Il disparaît pour toutes les classes de cet ordinateur ; les classes qui l&apos;utilisent gardent leur propre copie.</translation>
    </message>
    <message>
        <source>The grade scale &quot;%1&quot; could not be deleted: %2</source>
        <translation>Le barème de notes « %1 » n&apos;a pas pu être supprimé : %2</translation>
    </message>
    <message>
        <source>Letter grades</source>
        <translation>Notes en lettres</translation>
    </message>
    <message>
        <source>The lowest and highest percent of each letter grade.</source>
        <translation>Le pourcentage minimal et maximal de chaque note en lettres.</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>&amp;Barème</translation>
    </message>
</context>
<context>
    <name>markwell::GradesPage</name>
    <message>
        <source>Names are changed in Lists &gt; Students…</source>
        <translation>Les noms se modifient dans Listes &gt; Élèves…</translation>
    </message>
    <message>
        <source>Assignment titles are changed in Lists &gt; Assignments…</source>
        <translation>Les titres des évaluations se modifient dans Listes &gt; Évaluations…</translation>
    </message>
    <message>
        <source>Totals are set in Grades &gt; Edit…</source>
        <translation>Les totaux se règlent dans Notes &gt; Modifier…</translation>
    </message>
    <message>
        <source>Select points cells alone to type into them.</source>
        <translation>Sélectionnez uniquement des cases de points pour y taper.</translation>
    </message>
    <message>
        <source>Points are typed into the students&apos; rows.</source>
        <translation>Les points se tapent sur les lignes des élèves.</translation>
    </message>
    <message>
        <source>The Total column adds up the points of the assignments.</source>
        <translation>La colonne Total additionne les points des évaluations.</translation>
    </message>
    <message>
        <source>Averages are worked out from the points; Grades &gt; Weighted… and Drop Lowest… change how.</source>
        <translation>Les moyennes sont calculées à partir des points ; Notes &gt; Coefficients… et Ignorer la note la plus basse… modifient le calcul.</translation>
    </message>
    <message>
        <source>Grades follow from the averages and the grade scale (Grades &gt; Scale…).</source>
        <translation>Les notes découlent des moyennes et du barème de notes (Notes &gt; Barème…).</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>non comptée</translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>A row for each student, a column for each assignment, then the total, the average and the grade.</source>
        <translation>Une ligne par élève, une colonne par évaluation, puis le total, la moyenne et la note.</translation>
    </message>
</context>
<context>
    <name>markwell::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print (%1)</source>
        <translation>Imprimer (%1)</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Évaluations</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Ensemble</translation>
    </message>
    <message>
        <source>The graph could not be printed: </source>
        <translation>Le graphique n&apos;a pas pu être imprimé : </translation>
    </message>
</context>
<context>
    <name>markwell::HelpWindow</name>
    <message>
        <source>Markwell Help</source>
        <translation>Aide de Markwell</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>S&amp;ommaire</translation>
    </message>
    <message>
        <source>Markwell Help - %1</source>
        <translation>Aide de Markwell - %1</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
</context>
<context>
    <name>markwell::HistoryWindow</name>
    <message>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historique de %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&amp;Student:</source>
        <translation>&amp;Élève :</translation>
    </message>
    <message>
        <source>&amp;Assignment:</source>
        <translation>É&amp;valuation :</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>Copy the lines listed, to paste them into a spreadsheet or a letter</source>
        <translation>Copie les lignes listées, pour les coller dans un tableur ou une lettre</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Forget Student...</source>
        <translation>&amp;Oublier l&apos;élève...</translation>
    </message>
    <message>
        <source>Remove every line of the student chosen above from the history, for a student who has left</source>
        <translation>Retire de l&apos;historique toutes les lignes de l&apos;élève choisi ci-dessus, pour un élève qui est parti</translation>
    </message>
    <message>
        <source>(every student)</source>
        <translation>(tous les élèves)</translation>
    </message>
    <message>
        <source>(every assignment)</source>
        <translation>(toutes les évaluations)</translation>
    </message>
    <message>
        <source>The history is complete from %1 on: older entries went to keep the history database under 500 MB.</source>
        <translation>L&apos;historique est complet depuis le %1 : les entrées plus anciennes ont été retirées pour que la base de données de l&apos;historique reste sous 500 Mo.</translation>
    </message>
    <message>
        <source>Nothing recorded here yet: each save of the class adds an entry.</source>
        <translation>Rien n&apos;est encore enregistré ici : chaque enregistrement de la classe ajoute une entrée.</translation>
    </message>
    <message>
        <source>Saved in Markwell: %1</source>
        <translation>Enregistré dans Markwell : %1</translation>
    </message>
    <message>
        <source>Export the History</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>-history</source>
        <translation>-historique</translation>
    </message>
    <message>
        <source>Remove every line of %1 from the history of this class? This cannot be undone; the class and its marks stay as they are.</source>
        <translation>Retirer toutes les lignes de %1 de l&apos;historique de cette classe ? Cela ne peut pas être annulé ; la classe et ses notes restent telles quelles.</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Oublier</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Garder</translation>
    </message>
</context>
<context>
    <name>markwell::ImportAssignmentsDialog</name>
    <message>
        <source>&amp;Assignments (Ctrl+A selects them all)</source>
        <translation>&amp;Évaluations (Ctrl+A les sélectionne toutes)</translation>
    </message>
    <message>
        <source>Import Assignments</source>
        <translation>Importer des évaluations</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>markwell::ImportScoresDialog</name>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Student&apos;s name</source>
        <translation>Nom de l&apos;élève</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom de famille</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Identifiant de l&apos;élève</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Adresse électronique</translation>
    </message>
    <message>
        <source>Login (an e-mail address)</source>
        <translation>Identifiant de connexion (une adresse électronique)</translation>
    </message>
    <message>
        <source>New assignment</source>
        <translation>Nouvelle évaluation</translation>
    </message>
    <message>
        <source>&amp;Missing counts as 0</source>
        <translation>Un travail &amp;manquant compte 0</translation>
    </message>
    <message>
        <source>&amp;Add students not in the class</source>
        <translation>Ajou&amp;ter les élèves absents de la classe</translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation>Importer des notes</translation>
    </message>
    <message>
        <source>&amp;Students</source>
        <translation>É&amp;lèves</translation>
    </message>
    <message>
        <source>C&amp;hanges</source>
        <translation>Mo&amp;difications</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>Pro&amp;blèmes</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Student ID, else e-mail address, else name</source>
        <translation>Identifiant, sinon adresse électronique, sinon nom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Read as:</source>
        <translation>Lu comme&#xa0;:</translation>
    </message>
    <message>
        <source>Match students b&amp;y:</source>
        <translation>Rapprocher les élèves pa&amp;r&#xa0;:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>Dans le fichier</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Students of the class &amp;not in the file:</source>
        <translation>Élèves de la classe abse&amp;nts du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Possible points</source>
        <translation>Points possibles</translation>
    </message>
    <message>
        <source>As matched</source>
        <translation>Selon le rapprochement</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Laisser de côté</translation>
    </message>
    <message>
        <source>Add as a new student</source>
        <translation>Ajouter comme nouvel élève</translation>
    </message>
    <message>
        <source>Gradebook (*.csv *.txt)</source>
        <translation>Carnet de notes (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The scores cannot be read: %1</source>
        <translation>Les notes ne peuvent pas être lues&#xa0;: %1</translation>
    </message>
    <message>
        <source>(left out)</source>
        <translation>(laissée de côté)</translation>
    </message>
    <message>
        <source>(no student)</source>
        <translation>(aucun élève)</translation>
    </message>
    <message>
        <source>(several students)</source>
        <translation>(plusieurs élèves)</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Nouvelle&#xa0;: %1</translation>
    </message>
    <message>
        <source>no assignment of this title</source>
        <translation>aucune évaluation de ce titre</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Settle the %1 problem(s) listed under Problems before importing.</source>
        <translation>Réglez les %1 problèmes de l&apos;onglet Problèmes avant d&apos;importer.</translation>
    </message>
    <message>
        <source>Nothing to import: the class has these scores already.</source>
        <translation>Rien à importer&#xa0;: la classe a déjà ces notes.</translation>
    </message>
    <message>
        <source>Col&amp;umns</source>
        <translation>C&amp;olonnes</translation>
    </message>
</context>
<context>
    <name>markwell::ImportStudentsDialog</name>
    <message>
        <source>&amp;Students (Ctrl+A selects them all)</source>
        <translation>&amp;Élèves (Ctrl+A les sélectionne tous)</translation>
    </message>
    <message>
        <source>Import Students</source>
        <translation>Importer des élèves</translation>
    </message>
</context>
<context>
    <name>markwell::IndividualReportWindow</name>
    <message>
        <source>No assignments: there is no grade to explain.</source>
        <translation>Aucune évaluation : il n&apos;y a pas de note à expliquer.</translation>
    </message>
    <message>
        <source>Individual Student Information</source>
        <translation>Relevé individuel de l&apos;élève</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>&amp;Élève</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Ensemble</translation>
    </message>
    <message>
        <source>Assignment Type</source>
        <translation>Type d&apos;évaluation</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Send the Overall table and the Why table to the student as a spreadsheet file</source>
        <translation>Envoyer à l&apos;élève les tableaux Ensemble et Pourquoi dans un fichier de tableur</translation>
    </message>
    <message>
        <source>The grades could not be written for the message, so no message was started.</source>
        <translation>Les notes n&apos;ont pas pu être écrites pour le message ; aucun message n&apos;a donc été commencé.</translation>
    </message>
    <message>
        <source>Grade Statistics</source>
        <translation>Relevé de notes</translation>
    </message>
    <message>
        <source>Current grades: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Notes actuelles : <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Report pages</source>
        <translation>Pages du relevé</translation>
    </message>
    <message>
        <source>Assignment type</source>
        <translation>Type d&apos;évaluation</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Every change of this student&apos;s marks, with when and from what</source>
        <translation>Chaque modification des notes de cet élève, avec quand et depuis quelle valeur</translation>
    </message>
</context>
<context>
    <name>markwell::MailQueueWindow</name>
    <message>
        <source>&amp;Open in Mail Program</source>
        <translation>&amp;Ouvrir dans le logiciel de messagerie</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Passer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>Messages for the Mail Program</source>
        <translation>Messages pour le logiciel de messagerie</translation>
    </message>
    <message>
        <source>Each message opens in your mail program with its report attached: check it and send it from there.</source>
        <translation>Chaque message s&apos;ouvre dans votre logiciel de messagerie avec son bulletin joint : vérifiez-le et envoyez-le de là.</translation>
    </message>
    <message>
        <source>Message %1 of %2 — %3 (%4)</source>
        <translation>Message %1 sur %2 — %3 (%4)</translation>
    </message>
    <message>
        <source>%1 of %2 messages were opened in the mail program.</source>
        <translation>%1 messages sur %2 ont été ouverts dans le logiciel de messagerie.</translation>
    </message>
</context>
<context>
    <name>markwell::MailServerPage</name>
    <message>
        <source>Fo&amp;rget the kept password</source>
        <translation>Ou&amp;blier le mot de passe gardé</translation>
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
        <translation>Aucune</translation>
    </message>
    <message>
        <source>kept in the desktop&apos;s keyring</source>
        <translation>gardé dans le trousseau du bureau</translation>
    </message>
    <message>
        <source>smtp.school.example</source>
        <translation>smtp.etablissement.example</translation>
    </message>
    <message>
        <source>teacher@school.example</source>
        <translation>enseignant@etablissement.example</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Server</source>
        <translation>&amp;Serveur</translation>
    </message>
    <message>
        <source>Por&amp;t</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>Securit&amp;y</source>
        <translation>Séc&amp;urité</translation>
    </message>
    <message>
        <source>&amp;User name</source>
        <translation>&amp;Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>Sender&apos;s &amp;name</source>
        <translation>Nom de l&apos;e&amp;xpéditeur</translation>
    </message>
    <message>
        <source>Sender&apos;s a&amp;ddress</source>
        <translation>A&amp;dresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>CA &amp;file</source>
        <translation>&amp;Fichier d&apos;AC</translation>
    </message>
    <message>
        <source>&amp;Pause between messages</source>
        <translation>Pause &amp;entre les messages</translation>
    </message>
    <message>
        <source>Leave the server empty to send through your mail program. Some providers (Gmail, Microsoft 365) take only an app password here.</source>
        <translation>Laissez le serveur vide pour envoyer par votre logiciel de messagerie. Certains fournisseurs (Gmail, Microsoft 365) n&apos;acceptent ici qu&apos;un mot de passe d&apos;application.</translation>
    </message>
    <message>
        <source>Certificate Authority</source>
        <translation>Autorité de certification</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt *.cer)</source>
        <translation>Certificats (*.pem *.crt *.cer)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Please type the sender&apos;s e-mail address: the messages go from it.</source>
        <translation>Tapez l&apos;adresse électronique de l&apos;expéditeur : les messages partent d&apos;elle.</translation>
    </message>
    <message>
        <source>The CA file %1 cannot be read.</source>
        <translation>Le fichier d&apos;AC %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The password will be asked for each time messages are sent.</source>
        <translation>Le mot de passe sera demandé à chaque envoi de messages.</translation>
    </message>
</context>
<context>
    <name>markwell::MainWindow</name>
    <message>
        <source>Grades</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Attendance</source>
        <translation>Présences</translation>
    </message>
    <message>
        <source>Seating</source>
        <translation>Plan de classe</translation>
    </message>
    <message>
        <source>Markwell File: </source>
        <translation>Fichier Markwell : </translation>
    </message>
    <message>
        <source>&lt; None &gt;</source>
        <translation>&lt; Aucun &gt;</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] — Computerized Markwell</source>
        <translation>%1[*] — Computerized Markwell</translation>
    </message>
    <message>
        <source>Save the class and add students to open the %1 page.</source>
        <translation>Enregistrez la classe et ajoutez des élèves pour ouvrir la page %1.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>Seating C&amp;hart</source>
        <translation>Plan de c&amp;lasse</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listes</translation>
    </message>
    <message>
        <source>&amp;Grades</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Save the class and add students to open this page.</source>
        <translation>Enregistrez la classe et ajoutez des élèves pour ouvrir cette page.</translation>
    </message>
    <message>
        <source>The attendance could not be printed: </source>
        <translation>Les présences n&apos;ont pas pu être imprimées : </translation>
    </message>
    <message>
        <source>The pages could not be printed: </source>
        <translation>Les pages n&apos;ont pas pu être imprimées : </translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Expor&amp;t</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>%1, version %2 (unsaved)</source>
        <translation>%1, version %2 (non enregistrée)</translation>
    </message>
</context>
<context>
    <name>markwell::MergeSetupDialog</name>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Fusionner...</translation>
    </message>
    <message>
        <source>Merge Setup</source>
        <translation>Préparer la fusion</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>File&amp;1</source>
        <translation>Fichier &amp;1</translation>
    </message>
    <message>
        <source>Choose the first file</source>
        <translation>Choisir le premier fichier</translation>
    </message>
    <message>
        <source>File&amp;2</source>
        <translation>Fichier &amp;2</translation>
    </message>
    <message>
        <source>Choose the second file</source>
        <translation>Choisir le second fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>F&amp;ermer</translation>
    </message>
    <message>
        <source>Select 1st Merge File</source>
        <translation>Choisir le 1er fichier à fusionner</translation>
    </message>
    <message>
        <source>Select 2nd Merge File</source>
        <translation>Choisir le 2e fichier à fusionner</translation>
    </message>
</context>
<context>
    <name>markwell::MergedReportWindow</name>
    <message>
        <source>Merged Files</source>
        <translation>Fichiers fusionnés</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>With Student &amp;Names</source>
        <translation>Avec les &amp;noms des élèves</translation>
    </message>
    <message>
        <source>With Student &amp;ID&apos;s</source>
        <translation>Avec les n&amp;uméros des élèves</translation>
    </message>
    <message>
        <source>Grade &amp;Scale...</source>
        <translation>&amp;Barème de notes...</translation>
    </message>
    <message>
        <source>Grade Scale</source>
        <translation>Barème de notes</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>The merged report could not be printed: </source>
        <translation>Le relevé fusionné n&apos;a pas pu être imprimé : </translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be used for the report; please choose another.</source>
        <translation>La police « %1 » ne peut pas servir pour le relevé ; choisissez-en une autre.</translation>
    </message>
    <message>
        <source>Merged grades</source>
        <translation>Notes fusionnées</translation>
    </message>
</context>
<context>
    <name>markwell::ModifySeatDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>Fill &amp;Color</source>
        <translation>&amp;Couleur de fond</translation>
    </message>
    <message>
        <source>Modify Seating Chart</source>
        <translation>Modifier le plan de classe</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be kept in the seating file: its name is too long or holds a character the file cannot store. Please choose another.</source>
        <translation>La police « %1 » ne peut pas être gardée dans le fichier du plan de classe : son nom est trop long ou contient un caractère que le fichier ne peut pas enregistrer. Choisissez-en une autre.</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>A seat cannot be called &quot;%1&quot;: the seating file keeps that name for the teacher&apos;s desk, so the seat would become the teacher&apos;s desk when the class is opened again. Please choose another name.</source>
        <translation>Une place ne peut pas s&apos;appeler « %1 » : le fichier du plan de classe réserve ce nom au bureau du professeur, et la place deviendrait le bureau du professeur à la prochaine ouverture de la classe. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>The colour the seat is filled with: opens a choice of colours.</source>
        <translation>La couleur de fond de la place : ouvre un choix de couleurs.</translation>
    </message>
</context>
<context>
    <name>markwell::MyClassesWindow</name>
    <message>
        <source>My Classes</source>
        <translation>Mes classes</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Classes</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Par&amp;courir...</translation>
    </message>
    <message>
        <source>Rea&amp;d Again</source>
        <translation>Re&amp;lire</translation>
    </message>
    <message>
        <source>No letter</source>
        <translation>Aucune lettre</translation>
    </message>
    <message>
        <source>Count the students at or below &amp;letter:</source>
        <translation>Compter les élèves à ou sous la le&amp;ttre :</translation>
    </message>
    <message>
        <source>Folder of Classes</source>
        <translation>Dossier des classes</translation>
    </message>
    <message>
        <source>Reading %1 classes...</source>
        <translation>Lecture de %1 classes...</translation>
    </message>
    <message>
        <source>Reading class %1 of %2...</source>
        <translation>Lecture de la classe %1 sur %2...</translation>
    </message>
    <message>
        <source>Reading cancelled after %1 classes.</source>
        <translation>Lecture annulée après %1 classes.</translation>
    </message>
    <message>
        <source>%1 classes.</source>
        <translation>%1 classes.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 n&apos;ont pas pu être lues.</translation>
    </message>
    <message>
        <source>This folder holds no class (.grs file).</source>
        <translation>Ce dossier ne contient aucune classe (fichier .grs).</translation>
    </message>
    <message>
        <source>No class was opened lately.</source>
        <translation>Aucune classe n&apos;a été ouverte récemment.</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
</context>
<context>
    <name>markwell::OptionsDialog</name>
    <message>
        <source>Option pages</source>
        <translation>Pages des options</translation>
    </message>
    <message>
        <source>&amp;Enable Password Protection</source>
        <translation>Activer la &amp;protection par mot de passe</translation>
    </message>
    <message>
        <source>&amp;Remove the stored password</source>
        <translation>&amp;Retirer le mot de passe enregistré</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&amp;New Password</source>
        <translation>&amp;Nouveau mot de passe</translation>
    </message>
    <message>
        <source>&amp;Verify Password</source>
        <translation>&amp;Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Password is case sensitive</source>
        <translation>Le mot de passe distingue les majuscules et les minuscules</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versions précédentes</translation>
    </message>
    <message>
        <source>Versions &amp;kept of each class</source>
        <translation>&amp;Versions conservées de chaque classe</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Old password is incorrect, please check spelling!</source>
        <translation>L&apos;ancien mot de passe est incorrect, vérifiez la saisie !</translation>
    </message>
    <message>
        <source>Password verification failed, please check spelling!</source>
        <translation>La confirmation ne correspond pas au mot de passe, vérifiez la saisie !</translation>
    </message>
    <message>
        <source>Please type the new password under New Password and again under Verify Password.</source>
        <translation>Tapez le nouveau mot de passe dans Nouveau mot de passe, puis une seconde fois dans Confirmer le mot de passe.</translation>
    </message>
    <message>
        <source>A password has at most %1 characters.</source>
        <translation>Un mot de passe compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>E-&amp;mail</source>
        <translation>Courr&amp;iel</translation>
    </message>
    <message>
        <source>Ol&amp;d Password</source>
        <translation>&amp;Ancien mot de passe</translation>
    </message>
</context>
<context>
    <name>markwell::PasswordDialog</name>
    <message>
        <source>Enter Password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The password is incorrect. Capital letters count: please check the spelling and the Caps Lock key.</source>
        <translation>Le mot de passe est incorrect. Les majuscules comptent : vérifiez la saisie et la touche Verr. Maj.</translation>
    </message>
</context>
<context>
    <name>markwell::RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>&amp;%1 %2  (%3)</source>
        <translation>&amp;%1 %2  (%3)</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>markwell::RecordListDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Mettre à &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>Imp&amp;orter...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
</context>
<context>
    <name>markwell::RecordListPanel</name>
    <message>
        <source>Move up (Ctrl+Up)</source>
        <translation>Monter (Ctrl+Up)</translation>
    </message>
    <message>
        <source>Move down (Ctrl+Down)</source>
        <translation>Descendre (Ctrl+Down)</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>markwell::RecoveryKeeper</name>
    <message>
        <source>Another Markwell window keeps the recovery copy of %1; this window keeps none.</source>
        <translation>Une autre fenêtre Markwell garde la copie de récupération de %1 ; cette fenêtre n&apos;en garde aucune.</translation>
    </message>
    <message>
        <source>The recovery copy could not be written: %1</source>
        <translation>La copie de récupération n&apos;a pas pu être écrite : %1</translation>
    </message>
</context>
<context>
    <name>markwell::ReportCommands</name>
    <message>
        <source>Save changes before merging?</source>
        <translation>Enregistrer les modifications avant la fusion ?</translation>
    </message>
    <message>
        <source>Please highlight student you wish to e-mail information about.</source>
        <translation>Sélectionnez l&apos;élève dont vous voulez envoyer les informations par e-mail.</translation>
    </message>
</context>
<context>
    <name>markwell::ScoreCommands</name>
    <message>
        <source>Import Scores</source>
        <translation>Importer des notes</translation>
    </message>
    <message>
        <source>Gradebook (*.csv *.txt)</source>
        <translation>Carnet de notes (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export for Canvas</source>
        <translation>Exporter pour Canvas</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>The scores could not be written for Canvas: %1</source>
        <translation>Les notes n&apos;ont pas pu être écrites pour Canvas&#xa0;: %1</translation>
    </message>
    <message>
        <source>Scores written for Canvas: %1</source>
        <translation>Notes écrites pour Canvas&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>markwell::SeatingCommands</name>
    <message>
        <source>Every student has a seat.</source>
        <translation>Chaque élève a déjà une place.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this seat?</source>
        <translation>Voulez-vous vraiment supprimer cette place ?</translation>
    </message>
    <message>
        <source>The seating chart could not be printed: </source>
        <translation>Le plan de classe n&apos;a pas pu être imprimé : </translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1&apos;s seat?</source>
        <translation>Voulez-vous vraiment supprimer la place de %1 ?</translation>
    </message>
</context>
<context>
    <name>markwell::SeatingView</name>
    <message>
        <source>Seating chart</source>
        <translation>Plan de classe</translation>
    </message>
    <message>
        <source>The seats of the class: Page Down and Page Up choose a seat, the arrow keys move it (with Shift by ten), Enter edits it.</source>
        <translation>Les places de la classe : Page suivante et Page précédente choisissent une place, les touches fléchées la déplacent (de dix avec Maj), Entrée la modifie.</translation>
    </message>
</context>
<context>
    <name>markwell::SendReportsDialog</name>
    <message>
        <source>Message and send log</source>
        <translation>Message et journal des envois</translation>
    </message>
    <message>
        <source>S&amp;tudent</source>
        <translation>É&amp;lève</translation>
    </message>
    <message>
        <source>M&amp;other</source>
        <translation>Mè&amp;re</translation>
    </message>
    <message>
        <source>&amp;Father</source>
        <translation>&amp;Père</translation>
    </message>
    <message>
        <source>Through the mail &amp;program, one message at a time</source>
        <translation>Par le logiciel de messagerie, un message à la f&amp;ois</translation>
    </message>
    <message>
        <source>Save as e-mail f&amp;iles (.eml)</source>
        <translation>Enregistrer en fic&amp;hiers de courriel (.eml)</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>Send Reports by E-mail</source>
        <translation>Envoyer les bulletins par courriel</translation>
    </message>
    <message>
        <source>Through the mail se&amp;rver %1</source>
        <translation>Par le &amp;serveur de messagerie %1</translation>
    </message>
    <message>
        <source>Through the mail se&amp;rver (set it under Edit &gt; Options)</source>
        <translation>Par le &amp;serveur de messagerie (à régler dans Édition &gt; Options)</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Envoyer à</translation>
    </message>
    <message>
        <source>S&amp;ubject</source>
        <translation>O&amp;bjet</translation>
    </message>
    <message>
        <source>Mess&amp;age</source>
        <translation>Messa&amp;ge</translation>
    </message>
    <message>
        <source>{name}, {grade} and {average} become each student&apos;s own.</source>
        <translation>{name}, {grade} et {average} deviennent ceux de chaque élève.</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Message</translation>
    </message>
    <message>
        <source>Send &amp;Log</source>
        <translation>&amp;Journal des envois</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Export the Send Log</source>
        <translation>Exporter le journal des envois</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>send log.csv</source>
        <translation>journal des envois.csv</translation>
    </message>
    <message>
        <source>Please tick whom the messages go to: the student, the mother or the father.</source>
        <translation>Cochez à qui vont les messages : l&apos;élève, la mère ou le père.</translation>
    </message>
    <message>
        <source>No student is chosen.</source>
        <translation>Aucun élève n&apos;est choisi.</translation>
    </message>
    <message>
        <source>Please save the class first: the record of what is sent is kept with it.</source>
        <translation>Enregistrez d&apos;abord la classe : le journal des envois est gardé avec elle.</translation>
    </message>
    <message>
        <source>Mail Server Password</source>
        <translation>Mot de passe du serveur de messagerie</translation>
    </message>
    <message>
        <source>Password of %1 on %2:</source>
        <translation>Mot de passe de %1 sur %2 :</translation>
    </message>
    <message>
        <source>See Edit &gt; Options, E-mail.</source>
        <translation>Voir Édition &gt; Options, Courriel.</translation>
    </message>
    <message>
        <source>Addresses that may have received the message already: %1 (the connection was lost after it was sent). Send it to them again too?</source>
        <translation>Adresses qui ont peut-être déjà reçu le message : %1 (la connexion a été perdue après son envoi). Le leur renvoyer aussi ?</translation>
    </message>
    <message>
        <source>No address for: %1.</source>
        <translation>Sans adresse : %1.</translation>
    </message>
    <message>
        <source>Folder for the Messages</source>
        <translation>Dossier des messages</translation>
    </message>
    <message>
        <source>Saving message %1 of %2...</source>
        <translation>Enregistrement du message %1 sur %2...</translation>
    </message>
    <message>
        <source>%1 messages were saved in %2.</source>
        <translation>%1 messages ont été enregistrés dans %2.</translation>
    </message>
</context>
<context>
    <name>markwell::SendSummaryDialog</name>
    <message>
        <source>&amp;Resend the Failed Ones</source>
        <translation>&amp;Renvoyer les échecs</translation>
    </message>
    <message>
        <source>Messages Sent</source>
        <translation>Messages envoyés</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>markwell::SheetView</name>
    <message>
        <source>Columns kept in view</source>
        <translation>Colonnes toujours visibles</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Type the value: Enter stores it, Escape leaves the cell as it was.</source>
        <translation>Saisissez la valeur : Entrée l&apos;enregistre, Échap laisse la cellule telle quelle.</translation>
    </message>
</context>
<context>
    <name>markwell::StudentListDialog</name>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;ID</source>
        <translation>N&amp;uméro</translation>
    </message>
    <message>
        <source>S&amp;treet</source>
        <translation>R&amp;ue</translation>
    </message>
    <message>
        <source>C&amp;ity</source>
        <translation>&amp;Ville</translation>
    </message>
    <message>
        <source>Stat&amp;e</source>
        <translation>É&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Zip</source>
        <translation>Code &amp;postal</translation>
    </message>
    <message>
        <source>Mo&amp;ther</source>
        <translation>&amp;Mère</translation>
    </message>
    <message>
        <source>Pho&amp;ne</source>
        <translation>&amp;Téléphone</translation>
    </message>
    <message>
        <source>&amp;Father</source>
        <translation>&amp;Père</translation>
    </message>
    <message>
        <source>Phon&amp;e</source>
        <translation>Télép&amp;hone</translation>
    </message>
    <message>
        <source>S&amp;tudent</source>
        <translation>Élè&amp;ve</translation>
    </message>
    <message>
        <source>Moth&amp;er</source>
        <translation>&amp;Mère</translation>
    </message>
    <message>
        <source>Total number of students: %1</source>
        <translation>Nombre total d&apos;élèves : %1</translation>
    </message>
    <message>
        <source>Student List</source>
        <translation>Liste des élèves</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>&amp;Élève</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Domicile</translation>
    </message>
    <message>
        <source>Pa&amp;rents</source>
        <translation>Pa&amp;rents</translation>
    </message>
    <message>
        <source>E-Mai&amp;l</source>
        <translation>E-mai&amp;l</translation>
    </message>
    <message>
        <source>C&amp;omments</source>
        <translation>&amp;Commentaires</translation>
    </message>
    <message>
        <source>Keep the changes made to &quot;%1&quot;?</source>
        <translation>Garder les modifications apportées à « %1 » ?</translation>
    </message>
    <message>
        <source>Add &quot;%1&quot;, typed but not added yet, to the class?</source>
        <translation>Ajouter à la classe « %1 », tapé mais pas encore ajouté ?</translation>
    </message>
    <message>
        <source>Remove all students and all assignments?</source>
        <translation>Retirer tous les élèves et toutes les évaluations ?</translation>
    </message>
    <message>
        <source>The student could not be printed: </source>
        <translation>La fiche de l&apos;élève n&apos;a pas pu être imprimée : </translation>
    </message>
    <message>
        <source>%1 characters: more than the %2 a comment can hold</source>
        <translation>%1 caractères : plus que les %2 que peut contenir un commentaire</translation>
    </message>
    <message>
        <source>%1 of %2 characters (a line break counts as two)</source>
        <translation>%1 caractères sur %2 (un saut de ligne compte pour deux)</translation>
    </message>
    <message>
        <source>Student details</source>
        <translation>Détails de l&apos;élève</translation>
    </message>
</context>
<context>
    <name>markwell::TableCommands</name>
    <message>
        <source>The font &quot;%1&quot; cannot be kept with the class; please choose another.</source>
        <translation>La police « %1 » ne peut pas être gardée avec la classe ; choisissez-en une autre.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>The grades could not be printed: </source>
        <translation>Les notes n&apos;ont pas pu être imprimées : </translation>
    </message>
</context>
<context>
    <name>markwell::TextEntryDialog</name>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
</context>
<context>
    <name>markwell::WeightsDialog</name>
    <message>
        <source>&amp;Use Weighted</source>
        <translation>&amp;Utiliser les coefficients</translation>
    </message>
    <message>
        <source>Weighted Grades</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>&amp;Final</source>
        <translation>Examen &amp;final</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Contrôle</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Interrogation</translation>
    </message>
    <message>
        <source>&amp;Homework</source>
        <translation>&amp;Devoirs</translation>
    </message>
    <message>
        <source>&amp;Lab</source>
        <translation>&amp;TP</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Autre</translation>
    </message>
    <message>
        <source>Percentages</source>
        <translation>Pourcentages</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Percentage values do not equal to 100%</source>
        <translation>La somme des pourcentages ne fait pas 100 %</translation>
    </message>
</context>
<context>
    <name>markwell::WhatItTakesPanel</name>
    <message>
        <source>What would it take?</source>
        <translation>Que faudrait-il ?</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre</translation>
    </message>
    <message>
        <source>What it would take</source>
        <translation>Ce qu&apos;il faudrait</translation>
    </message>
    <message>
        <source>&amp;Assignment</source>
        <translation>É&amp;valuation</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Lettre</translation>
    </message>
    <message>
        <source>The class has no assignments.</source>
        <translation>La classe n&apos;a aucune évaluation.</translation>
    </message>
    <message>
        <source>The grade scale has no letters.</source>
        <translation>Le barème de notes n&apos;a aucune lettre.</translation>
    </message>
</context>
<context>
    <name>markwell::XdgEmailLauncher</name>
    <message>
        <source>The grades are in %1: please attach that file to a message by hand.</source>
        <translation>Les notes sont dans %1 : joignez vous-même ce fichier à un message.</translation>
    </message>
    <message>
        <source>No mail program could be started: &quot;%1&quot; (from the package xdg-utils) is not installed.</source>
        <translation>Aucun programme de messagerie n&apos;a pu être lancé : « %1 » (du paquet xdg-utils) n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1</source>
        <translation>Le programme de messagerie n&apos;a pas pu être lancé : %1</translation>
    </message>
    <message>
        <source>The mail program could not prepare the message (%1 ended with code %2).</source>
        <translation>Le programme de messagerie n&apos;a pas pu préparer le message (%1 s&apos;est terminé avec le code %2).</translation>
    </message>
    <message>
        <source>The mail program stopped before the message was ready.</source>
        <translation>Le programme de messagerie s&apos;est arrêté avant que le message soit prêt.</translation>
    </message>
</context>
<context>
    <name>AttendanceMonths</name>
    <message>
        <source>A month is written YYYY-MM, with a month from 01 to 12.</source>
        <translation>Un mois s&apos;écrit AAAA-MM, avec un mois de 01 à 12.</translation>
    </message>
    <message>
        <source>The last month comes before the first.</source>
        <translation>Le dernier mois précède le premier.</translation>
    </message>
    <message>
        <source>A report counts attendance over %1 months at most.</source>
        <translation>Un bulletin compte les présences sur %1 mois au plus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a run of months such as 2026-09:2027-01.</source>
        <translation>« %1 » n&apos;est pas une suite de mois comme 2026-09:2027-01.</translation>
    </message>
</context>
<context>
    <name>ClassReportsJob</name>
    <message>
        <source>Preparing report %1 of %2...</source>
        <translation>Préparation du bulletin %1 sur %2...</translation>
    </message>
    <message>
        <source>Printing page %1 of %2...</source>
        <translation>Impression de la page %1 sur %2...</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used.</source>
        <translation>L&apos;imprimante « %1 » ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>Writing report %1 of %2...</source>
        <translation>Écriture du bulletin %1 sur %2...</translation>
    </message>
</context>
<context>
    <name>ClassReportsPrintout</name>
    <message>
        <source>The report could not be drawn.</source>
        <translation>Le bulletin n&apos;a pas pu être dessiné.</translation>
    </message>
</context>
<context>
    <name>ReportContents</name>
    <message>
        <source>&quot;%1&quot; is not a part of a report (%2).</source>
        <translation>« %1 » n&apos;est pas une partie d&apos;un bulletin (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named twice.</source>
        <translation>« %1 » est nommé deux fois.</translation>
    </message>
</context>
<context>
    <name>ReportFolder</name>
    <message>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>ReportStudents</name>
    <message>
        <source>&quot;%1&quot; is not a letter of the grade scale</source>
        <translation>« %1 » n&apos;est pas une lettre du barème de notes</translation>
    </message>
    <message>
        <source>The class has no student named %1.</source>
        <translation>La classe n&apos;a aucun élève nommé %1.</translation>
    </message>
    <message>
        <source>The class has no students named %1.</source>
        <translation>La classe n&apos;a pas d&apos;élèves nommés %1.</translation>
    </message>
    <message>
        <source>it is too large for a list of names</source>
        <translation>il est trop grand pour une liste de noms</translation>
    </message>
    <message>
        <source>it is not a text file in UTF-8</source>
        <translation>ce n&apos;est pas un fichier texte en UTF-8</translation>
    </message>
</context>
<context>
    <name>StudentReport</name>
    <message>
        <source>Why</source>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <source>No assignments: there is no grade to explain.</source>
        <translation>Aucune évaluation : il n&apos;y a pas de note à expliquer.</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>Numéro : %1</translation>
    </message>
    <message>
        <source>Average: %1</source>
        <translation>Moyenne : %1</translation>
    </message>
    <message>
        <source>Grade: %1</source>
        <translation>Note : %1</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Ensemble</translation>
    </message>
    <message>
        <source>By Type</source>
        <translation>Par type</translation>
    </message>
    <message>
        <source>Attendance, %1 %2 to %3 %4</source>
        <translation>Présences, de %1 %2 à %3 %4</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Scores in red were dropped as the lowest and do not count.</source>
        <translation>Les notes en rouge ont été écartées comme les plus basses et ne comptent pas.</translation>
    </message>
</context>
<context>
    <name>markwell::ClassReportsWindow</name>
    <message>
        <source>Send &amp;by E-mail...</source>
        <translation>Envoyer par c&amp;ourriel...</translation>
    </message>
    <message>
        <source>Class Reports</source>
        <translation>Bulletins de la classe</translation>
    </message>
    <message>
        <source>&amp;Make Reports</source>
        <translation>&amp;Générer les bulletins</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>&amp;All students</source>
        <translation>&amp;Tous les élèves</translation>
    </message>
    <message>
        <source>Those &amp;selected on the Grades page (%1)</source>
        <translation>Ceux &amp;sélectionnés sur la page Notes (%1)</translation>
    </message>
    <message>
        <source>Those whose &amp;grade is</source>
        <translation>Ceux dont la &amp;note est</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre</translation>
    </message>
    <message>
        <source>&amp;Ticked below:</source>
        <translation>&amp;Cochés ci-dessous :</translation>
    </message>
    <message>
        <source>Students to tick</source>
        <translation>Élèves à cocher</translation>
    </message>
    <message>
        <source>or worse</source>
        <translation>ou moins</translation>
    </message>
    <message>
        <source>Each report holds</source>
        <translation>Chaque bulletin contient</translation>
    </message>
    <message>
        <source>&amp;Overall</source>
        <translation>&amp;Ensemble</translation>
    </message>
    <message>
        <source>By t&amp;ype</source>
        <translation>Par t&amp;ype</translation>
    </message>
    <message>
        <source>&amp;Why</source>
        <translation>&amp;Pourquoi</translation>
    </message>
    <message>
        <source>What-&amp;if line:</source>
        <translation>Ligne « &amp;que faudrait-il » :</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>Atte&amp;ndance from</source>
        <translation>Présences d&amp;u</translation>
    </message>
    <message>
        <source>First month</source>
        <translation>Premier mois</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Dernier mois</translation>
    </message>
    <message>
        <source>The student&apos;s comm&amp;ent</source>
        <translation>Le commentaire de l&apos;é&amp;lève</translation>
    </message>
    <message>
        <source>Note to &amp;families:</source>
        <translation>Note aux &amp;familles :</translation>
    </message>
    <message>
        <source>{name}, {grade} and {average} are filled in for each student.</source>
        <translation>{name}, {grade} et {average} sont remplis pour chaque élève.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Where they go</source>
        <translation>Où ils vont</translation>
    </message>
    <message>
        <source>P&amp;rinted, in one job</source>
        <translation>Imp&amp;rimés, en une seule tâche</translation>
    </message>
    <message>
        <source>As one P&amp;DF file</source>
        <translation>En un seul fichier P&amp;DF</translation>
    </message>
    <message>
        <source>As one PDF per student in a fo&amp;lder</source>
        <translation>Un PDF par élève dans un doss&amp;ier</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Reports for %1 of %2 students.</source>
        <translation>Bulletins pour %1 élèves sur %2.</translation>
    </message>
    <message>
        <source>Not a placeholder, printed as typed: %1</source>
        <translation>Pas un champ à remplir, imprimé tel quel : %1</translation>
    </message>
    <message>
        <source>No student is chosen.</source>
        <translation>Aucun élève n&apos;est choisi.</translation>
    </message>
    <message>
        <source>The first report, %1&apos;s: page 1 of %2.</source>
        <translation>Le premier bulletin, celui de %1 : page 1 sur %2.</translation>
    </message>
    <message>
        <source>No student is chosen: there is no report to show.</source>
        <translation>Aucun élève n&apos;est choisi : il n&apos;y a pas de bulletin à montrer.</translation>
    </message>
    <message>
        <source>The report could not be printed: </source>
        <translation>Le bulletin n&apos;a pas pu être imprimé : </translation>
    </message>
    <message>
        <source>No student is chosen: there are no reports to make.</source>
        <translation>Aucun élève n&apos;est choisi : il n&apos;y a pas de bulletins à faire.</translation>
    </message>
    <message>
        <source>The reports could not be printed: </source>
        <translation>Les bulletins n&apos;ont pas pu être imprimés : </translation>
    </message>
    <message>
        <source>Printed the reports of %1 students.</source>
        <translation>Les bulletins de %1 élèves ont été imprimés.</translation>
    </message>
    <message>
        <source>Save the Reports as PDF</source>
        <translation>Enregistrer les bulletins en PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 reports.pdf</source>
        <translation>%1 bulletins.pdf</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Cancelled: no file was written.</source>
        <translation>Annulé : aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Wrote %1 pages for %2 students to %3.</source>
        <translation>%1 pages écrites pour %2 élèves dans %3.</translation>
    </message>
    <message>
        <source>Choose the Folder for the Reports</source>
        <translation>Choisir le dossier des bulletins</translation>
    </message>
    <message>
        <source>Wrote %1 reports to %2.</source>
        <translation>%1 bulletins écrits dans %2.</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 %2</source>
        <comment>a month and its year: December 2026</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>markwell::WindowHabits</name>
    <message>
        <source>This box is full: it holds at most %1 characters.</source>
        <translation>Cette zone est pleine : elle contient au plus %1 caractères.</translation>
    </message>
</context>
</TS>
