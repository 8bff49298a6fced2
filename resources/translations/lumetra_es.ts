<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>COM port the meter is connected to</source>
        <translation>Puerto COM al que está conectado el medidor</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Estado del medidor</translation>
    </message>
    <message>
        <source>Whether the port to the meter is connected</source>
        <translation>Indica si el puerto del medidor está conectado</translation>
    </message>
    <message>
        <source>Record list</source>
        <translation>Lista de mediciones</translation>
    </message>
    <message>
        <source>Records received from the meter or opened</source>
        <translation>Mediciones recibidas del medidor o abiertas</translation>
    </message>
    <message>
        <source>Records received from the meter or opened; the selected one is shown in the test report</source>
        <translation>Mediciones recibidas del medidor o abiertas; la seleccionada se muestra en el informe de prueba</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Company name printed on the report</source>
        <translation>Nombre de la empresa impreso en el informe</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Operator&apos;s name printed on the report</source>
        <translation>Nombre del operador impreso en el informe</translation>
    </message>
    <message>
        <source>Test device</source>
        <translation>Equipo de prueba</translation>
    </message>
    <message>
        <source>Test device printed on the report</source>
        <translation>Equipo de prueba impreso en el informe</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Fecha de prueba</translation>
    </message>
    <message>
        <source>Test date printed on the report</source>
        <translation>Fecha de prueba impresa en el informe</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Serial number printed on the report</source>
        <translation>Número de serie impreso en el informe</translation>
    </message>
    <message>
        <source>Export time</source>
        <translation>Hora de exportación</translation>
    </message>
    <message>
        <source>When the meter exported the record</source>
        <translation>Momento en que el medidor exportó la medición</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>Número de medición</translation>
    </message>
    <message>
        <source>The record&apos;s number in the meter</source>
        <translation>Número de la medición en el medidor</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polaridad</translation>
    </message>
    <message>
        <source>Polarity of the MPO cable</source>
        <translation>Polaridad del cable MPO</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Note printed on the report</source>
        <translation>Nota impresa en el informe</translation>
    </message>
    <message>
        <source>Fibers</source>
        <translation>Fibras</translation>
    </message>
    <message>
        <source>Wavelength, power, loss, threshold and verdict of each fiber</source>
        <translation>Longitud de onda, potencia, pérdida, umbral y resultado de cada fibra</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>Shows only the records received on or after the date beside it</source>
        <translation>Muestra solo las mediciones recibidas en la fecha de al lado o después</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Fecha desde</translation>
    </message>
    <message>
        <source>First day of the records shown</source>
        <translation>Primer día de las mediciones mostradas</translation>
    </message>
    <message>
        <source>Shows only the records received on or before the date beside it</source>
        <translation>Muestra solo las mediciones recibidas en la fecha de al lado o antes</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Fecha hasta</translation>
    </message>
    <message>
        <source>Last day of the records shown</source>
        <translation>Último día de las mediciones mostradas</translation>
    </message>
    <message>
        <source>Stored records</source>
        <translation>Mediciones guardadas</translation>
    </message>
    <message>
        <source>Every record received or opened before, newest first</source>
        <translation>Todas las mediciones recibidas o abiertas antes, las más recientes primero</translation>
    </message>
    <message>
        <source>Lists the selected records in the window</source>
        <translation>Añade las mediciones seleccionadas a la lista de mediciones</translation>
    </message>
    <message>
        <source>Closes the History window</source>
        <translation>Cierra la ventana del historial</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>ID de cable</translation>
    </message>
    <message>
        <source>The label of the trunk the record measured, as its job names it</source>
        <translation>La etiqueta de la troncal medida, tal como la nombra el proyecto</translation>
    </message>
    <message>
        <source>Shows only the records whose company, operator, note, record number or cable ID contain this text</source>
        <translation>Muestra solo las mediciones cuya empresa, operador, nota, número de medición o ID de cable contiene este texto</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Shows only the records of this job</source>
        <translation>Muestra solo las mediciones de este proyecto</translation>
    </message>
    <message>
        <source>The job shown, of the jobs of the records store</source>
        <translation>El proyecto mostrado, de los proyectos de la base de mediciones</translation>
    </message>
    <message>
        <source>Cable IDs</source>
        <translation>ID de cable</translation>
    </message>
    <message>
        <source>The job&apos;s cable IDs in order, each with its state, record, when it was tested and its smallest margin</source>
        <translation>Los ID de cable del proyecto en orden, cada uno con su estado, medición, cuándo se probó y su margen mínimo</translation>
    </message>
    <message>
        <source>Unplanned records</source>
        <translation>Mediciones no previstas</translation>
    </message>
    <message>
        <source>Records of the job that arrived when no cable ID was free</source>
        <translation>Mediciones del proyecto que llegaron cuando no quedaba ningún ID de cable libre</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>The job&apos;s customer</source>
        <translation>El cliente del proyecto</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Emplazamiento</translation>
    </message>
    <message>
        <source>Where the job is</source>
        <translation>Dónde se realiza el proyecto</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>Instalador</translation>
    </message>
    <message>
        <source>Who does the job</source>
        <translation>Quién realiza el proyecto</translation>
    </message>
    <message>
        <source>A note on the job</source>
        <translation>Una nota sobre el proyecto</translation>
    </message>
    <message>
        <source>New cable IDs</source>
        <translation>Nuevos ID de cable</translation>
    </message>
    <message>
        <source>Cable IDs to add, one a line</source>
        <translation>ID de cable que añadir, uno por línea</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>Cable IDs to add as a pattern, ranges in braces, for example A{1..4}-B{01..12}</source>
        <translation>ID de cable que añadir como patrón, rangos entre llaves, por ejemplo A{1..4}-B{01..12}</translation>
    </message>
    <message>
        <source>The text set on the records when its box is checked</source>
        <translation>El texto que se pone en las mediciones cuando su casilla está marcada</translation>
    </message>
    <message>
        <source>Records received from now on take this job&apos;s cable IDs, from the selected one on</source>
        <translation>Las mediciones recibidas a partir de ahora toman los ID de cable de este proyecto, desde el seleccionado</translation>
    </message>
    <message>
        <source>Closes the Jobs window</source>
        <translation>Cierra la ventana de proyectos</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>The contractor&apos;s logo, shown on page 1 of the job report</source>
        <translation>El logotipo del instalador, en la página 1 del informe del proyecto</translation>
    </message>
</context>
<context>
    <name>CableIdImport</name>
    <message>
        <source>The file is UTF-16 text cut short in the middle of a character.</source>
        <translation>El archivo es texto UTF-16 cortado en medio de un carácter.</translation>
    </message>
    <message>
        <source>Line %1: a quote opened there is never closed.</source>
        <translation>Línea %1: unas comillas abiertas allí nunca se cierran.</translation>
    </message>
</context>
<context>
    <name>CableIdList</name>
    <message>
        <source>A cable ID cannot be empty.</source>
        <translation>Un ID de cable no puede estar vacío.</translation>
    </message>
    <message>
        <source>The cable ID %1 is longer than 64 characters.</source>
        <translation>El ID de cable %1 tiene más de 64 caracteres.</translation>
    </message>
    <message>
        <source>The cable ID %1 holds a control character.</source>
        <translation>El ID de cable %1 contiene un carácter de control.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Nothing was added: these cable IDs are listed twice or are already in the job: %1.</source>
        <translation>No se ha añadido nada: estos ID de cable aparecen dos veces en la lista o ya están en el proyecto: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was added: the job would hold %n cable IDs, and a job holds at most 100,000.</source>
        <translation>
            <numerusform>No se ha añadido nada: el proyecto tendría %n ID de cable, y un proyecto tiene como máximo 100.000.</numerusform>
            <numerusform>No se ha añadido nada: el proyecto tendría %n ID de cable, y un proyecto tiene como máximo 100.000.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CableIdPattern</name>
    <message>
        <source>The pattern has a } without its {; write }} for a brace in an ID.</source>
        <translation>El patrón tiene una } sin su {; escribir }} para una llave en un ID.</translation>
    </message>
    <message>
        <source>The pattern has a { without its }; write {{ for a brace in an ID.</source>
        <translation>El patrón tiene una { sin su }; escribir {{ para una llave en un ID.</translation>
    </message>
    <message>
        <source>{%1} is not a range: write one as {1..24}, {01..24}, {12..1} or {A..H}.</source>
        <translation>{%1} no es un intervalo: escribir los intervalos como {1..24}, {01..24}, {12..1} o {A..H}.</translation>
    </message>
    <message>
        <source>The pattern makes more than 10,000 cable IDs, the most one pattern may make.</source>
        <translation>El patrón genera más de 10.000 ID de cable, el máximo que puede generar un patrón.</translation>
    </message>
</context>
<context>
    <name>CertificationReport</name>
    <message>
        <source>Certification Report</source>
        <translation>Informe de certificación</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>no se pudo generar el PDF</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Loss per fiber (dB)</source>
        <translation>Pérdida por fibra (dB)</translation>
    </message>
    <message>
        <source>threshold %1 dB</source>
        <translation>umbral %1 dB</translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation>Fibra</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Longitud de onda (nm)</translation>
    </message>
    <message>
        <source>Power (dBm)</source>
        <translation>Potencia (dBm)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>Pérdida (dB)</translation>
    </message>
    <message>
        <source>Threshold (dB)</source>
        <translation>Umbral (dB)</translation>
    </message>
    <message>
        <source>Margin (dB)</source>
        <translation>Margen (dB)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Medición %1</translation>
    </message>
    <message>
        <source>PASS %1, FAIL %2, --- %3</source>
        <translation>PASS %1, FAIL %2, --- %3</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Test device</source>
        <translation>Equipo de prueba</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Fecha de prueba</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Export time</source>
        <translation>Hora de exportación</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polaridad</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longitud de onda</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Medición</translation>
    </message>
    <message>
        <source>Worst loss (dB)</source>
        <translation>Pérdida máx. (dB)</translation>
    </message>
    <message>
        <source>Smallest margin (dB)</source>
        <translation>Margen mín. (dB)</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>Overall verdict</source>
        <translation>Resultado global</translation>
    </message>
    <message>
        <source>no fiber has a verdict</source>
        <translation>ninguna fibra tiene resultado</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>Export times</source>
        <translation>Horas de exportación</translation>
    </message>
    <message>
        <source>%1 dB, record %2, fiber %3</source>
        <translation>%1 dB, medición %2, fibra %3</translation>
    </message>
    <message>
        <source>Smallest margin</source>
        <translation>Margen mínimo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Fibers</source>
        <translation>Fibras</translation>
    </message>
    <message>
        <source>Record %1 (continued)</source>
        <translation>Medición %1 (continuación)</translation>
    </message>
    <message>
        <source>No reading</source>
        <translation>Sin lectura</translation>
    </message>
    <message>
        <source>A fiber without a reading has no margin; its verdict is counted as the window shows it.</source>
        <translation>Una fibra sin lectura no tiene margen; su resultado se cuenta tal como lo muestra la ventana.</translation>
    </message>
    <message>
        <source>IDs planned</source>
        <translation>ID previstos</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Probados</translation>
    </message>
    <message>
        <source>No verdict</source>
        <translation>Sin resultado</translation>
    </message>
    <message>
        <source>Not tested</source>
        <translation>Sin probar</translation>
    </message>
    <message>
        <source>Retested</source>
        <translation>Repetidos</translation>
    </message>
    <message>
        <source>Unplanned records</source>
        <translation>Mediciones no previstas</translation>
    </message>
    <message>
        <source>Suspect IDs</source>
        <translation>ID dudosos</translation>
    </message>
    <message>
        <source>Job verdict</source>
        <translation>Resultado del proyecto</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Emplazamiento</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>Instalador</translation>
    </message>
    <message>
        <source>First test</source>
        <translation>Primera prueba</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Última prueba</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operadores</translation>
    </message>
    <message>
        <source>Test devices</source>
        <translation>Equipos de prueba</translation>
    </message>
    <message>
        <source>%1 dB, %2, fiber %3</source>
        <translation>%1 dB, %2, fibra %3</translation>
    </message>
    <message>
        <source>Suspect readings are advice, and the verdicts stand as measured: the table of cable IDs names them, and each ID&apos;s section says more.</source>
        <translation>Las lecturas dudosas son un aviso y los resultados valen tal como se midieron: la tabla de ID de cable las nombra y la sección de cada ID dice más.</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>ID de cable</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibida</translation>
    </message>
    <message>
        <source>Largest loss (dB)</source>
        <translation>Pérdida máx. (dB)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Cable IDs</source>
        <translation>ID de cable</translation>
    </message>
    <message>
        <source>Superseded tests</source>
        <translation>Pruebas sustituidas</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>sin probar</translation>
    </message>
    <message>
        <source>Job Report</source>
        <translation>Informe del proyecto</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>número de serie %1</translation>
    </message>
    <message>
        <source>%1 (serial number %2)</source>
        <translation>%1 (número de serie %2)</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>INCOMPLETO</translation>
    </message>
    <message>
        <source>the latest test of every planned cable ID passes</source>
        <translation>la última prueba de cada ID de cable previsto es correcta</translation>
    </message>
    <message>
        <source>the latest test of a planned cable ID fails</source>
        <translation>la última prueba de un ID de cable previsto falla</translation>
    </message>
    <message>
        <source>the job has no cable IDs</source>
        <translation>el proyecto no tiene ID de cable</translation>
    </message>
    <message>
        <source>planned cable IDs are not tested</source>
        <translation>hay ID de cable previstos sin probar</translation>
    </message>
    <message>
        <source>a latest test has no verdict</source>
        <translation>una última prueba no tiene resultado</translation>
    </message>
    <message numerus="yes">
        <source>retested ×%n</source>
        <translation>
            <numerusform>repetida ×%n</numerusform>
            <numerusform>repetida ×%n</numerusform>
        </translation>
    </message>
    <message>
        <source>marked for a retest</source>
        <translation>marcado para repetición</translation>
    </message>
    <message>
        <source>Trunks</source>
        <translation>Troncales</translation>
    </message>
    <message>
        <source>unplanned record</source>
        <translation>medición no prevista</translation>
    </message>
    <message>
        <source>no temporary file could be made in %1</source>
        <translation>no se pudo crear un archivo temporal en %1</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>no se pudo crear el libro</translation>
    </message>
    <message>
        <source>Suspect readings in record %1 (marked !): see its section. The verdicts stand as measured.</source>
        <translation>Lecturas dudosas en la medición %1 (marcada con !): vea su sección. Los resultados valen tal como se midieron.</translation>
    </message>
    <message>
        <source>Suspect readings in records %1 (marked !): see their sections. The verdicts stand as measured.</source>
        <translation>Lecturas dudosas en las mediciones %1 (marcadas con !): vea sus secciones. Los resultados valen tal como se midieron.</translation>
    </message>
    <message>
        <source>Fiber %1: %2</source>
        <translation>Fibra %1: %2</translation>
    </message>
    <message>
        <source>Fibers %1: %2</source>
        <translation>Fibras %1: %2</translation>
    </message>
    <message>
        <source>Negative loss, fiber %1</source>
        <translation>Pérdida negativa, fibra %1</translation>
    </message>
    <message numerus="yes">
        <source>Negative loss, %n fibers</source>
        <translation>
            <numerusform>Pérdida negativa, %n fibra</numerusform>
            <numerusform>Pérdida negativa, %n fibras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n fibers with a verdict pass</source>
        <translation>
            <numerusform>%1 de %n fibra con resultado aprobada</numerusform>
            <numerusform>%1 de %n fibras con resultado aprobadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CertificationSummary</name>
    <message>
        <source>several</source>
        <translation>varios</translation>
    </message>
</context>
<context>
    <name>ConfigRun</name>
    <message>
        <source>Device Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Record List</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>  Device Status : </source>
        <translation>  Estado medidor: </translation>
    </message>
    <message>
        <source>  MPO Port COM : </source>
        <translation>  Puerto COM MPO: </translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>ELEGIR</translation>
    </message>
    <message>
        <source>CONNECTED</source>
        <translation>CONECTADO</translation>
    </message>
    <message>
        <source>DISCONNECTED</source>
        <translation>DESCONECTADO</translation>
    </message>
    <message>
        <source>Please Connect the Cable and Select a Port for Communication</source>
        <translation>Conecte el cable de datos del medidor y elija un puerto para la comunicación.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Company, operator, note, record number...</source>
        <translation>Empresa, operador, nota, n.º de medición…</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>The newest %L1 records that match are shown: narrow the search or the dates to find older ones.</source>
        <translation>Se muestran las %L1 mediciones coincidentes más recientes: acote la búsqueda o las fechas para encontrar las anteriores.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>The records store cannot be read: %1</source>
        <translation>No se puede leer la base de mediciones: %1</translation>
    </message>
    <message>
        <source>Reading the records store…</source>
        <translation>Leyendo la base de mediciones…</translation>
    </message>
    <message>
        <source>All jobs</source>
        <translation>Todos los proyectos</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Proyecto:</translation>
    </message>
</context>
<context>
    <name>IODeviceLinux</name>
    <message>
        <source>No permission to open %1: join the group %2 (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>Sin permiso para abrir %1: únase al grupo %2 (sudo usermod -aG %2 $USER) y vuelva a iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>JobFacts</name>
    <message>
        <source>A job needs a name.</source>
        <translation>Un proyecto necesita un nombre.</translation>
    </message>
    <message>
        <source>A job&apos;s name is at most 200 characters long.</source>
        <translation>El nombre de un proyecto tiene como máximo 200 caracteres.</translation>
    </message>
    <message>
        <source>A job&apos;s name cannot hold a control character.</source>
        <translation>El nombre de un proyecto no puede contener caracteres de control.</translation>
    </message>
</context>
<context>
    <name>JobLogo</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MB: choose a smaller logo.</source>
        <translation>%1 ocupa más de 1 MB: elija un logotipo más pequeño.</translation>
    </message>
    <message>
        <source>the logo is larger than 1 MB</source>
        <translation>el logotipo ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>this is not a PNG or JPEG picture</source>
        <translation>no es una imagen PNG o JPEG</translation>
    </message>
    <message>
        <source>the picture is larger than 4096 × 4096 pixels</source>
        <translation>la imagen supera 4096 × 4096 píxeles</translation>
    </message>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>la imagen está dañada: %1</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message numerus="yes">
        <source>%1 of %n tested</source>
        <translation>
            <numerusform>%1 de %n probado</numerusform>
            <numerusform>%1 de %n probados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n PASS</source>
        <translation>
            <numerusform>%n PASS</numerusform>
            <numerusform>%n PASS</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n FAIL</source>
        <translation>
            <numerusform>%n FAIL</numerusform>
            <numerusform>%n FAIL</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n untested</source>
        <translation>
            <numerusform>%n sin probar</numerusform>
            <numerusform>%n sin probar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a verdict</source>
        <translation>
            <numerusform>%n sin resultado</numerusform>
            <numerusform>%n sin resultado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked for a retest</source>
        <translation>
            <numerusform>%n marcado para repetición</numerusform>
            <numerusform>%n marcados para repetición</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unplanned</source>
        <translation>
            <numerusform>%n no prevista</numerusform>
            <numerusform>%n no previstas</numerusform>
        </translation>
    </message>
    <message>
        <source>untested</source>
        <translation>sin probar</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>sin resultado</translation>
    </message>
</context>
<context>
    <name>JobStatusModel</name>
    <message>
        <source>Cable ID</source>
        <translation>ID de cable</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>N.º de medición</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Probado el</translation>
    </message>
    <message>
        <source>Smallest Margin</source>
        <translation>Margen mínimo</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibida</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>retested</source>
        <translation>repetida</translation>
    </message>
    <message>
        <source>retest marked</source>
        <translation>marcado para repetición</translation>
    </message>
</context>
<context>
    <name>JobsWindow</name>
    <message>
        <source>Jobs</source>
        <translation>Proyectos</translation>
    </message>
    <message>
        <source>&amp;New Job...</source>
        <translation>&amp;Nuevo proyecto...</translation>
    </message>
    <message>
        <source>Make &amp;Active</source>
        <translation>&amp;Activar</translation>
    </message>
    <message>
        <source>&amp;Deactivate</source>
        <translation>&amp;Desactivar</translation>
    </message>
    <message>
        <source>Working on the records store…</source>
        <translation>Trabajando en la base de mediciones…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Job</source>
        <translation>&amp;Proyecto</translation>
    </message>
    <message>
        <source>Add &amp;IDs</source>
        <translation>Añadir &amp;ID</translation>
    </message>
    <message>
        <source>Header &amp;Texts</source>
        <translation>&amp;Textos de cabecera</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Proyecto:</translation>
    </message>
    <message>
        <source>Unplanned records:</source>
        <translation>Mediciones no previstas:</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renombrar...</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Mark for Re&amp;test</source>
        <translation>Marcar para re&amp;petición</translation>
    </message>
    <message>
        <source>C&amp;lear Retest Mark</source>
        <translation>Quitar marca de &amp;repetición</translation>
    </message>
    <message>
        <source>Move Record t&amp;o...</source>
        <translation>&amp;Mover medición a...</translation>
    </message>
    <message>
        <source>Take &amp;Back Record</source>
        <translation>Retirar la &amp;medición</translation>
    </message>
    <message>
        <source>Assign &amp;Cable ID...</source>
        <translation>Asignar &amp;ID de cable...</translation>
    </message>
    <message>
        <source>&amp;Save Facts</source>
        <translation>&amp;Guardar datos</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Emplazamiento:</translation>
    </message>
    <message>
        <source>Contractor:</source>
        <translation>Instalador:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>One cable ID a line, typed or pasted</source>
        <translation>Un ID de cable por línea, escrito o pegado</translation>
    </message>
    <message>
        <source>Add at &amp;End</source>
        <translation>Añadir al &amp;final</translation>
    </message>
    <message>
        <source>I&amp;nsert Before Selected</source>
        <translation>I&amp;nsertar antes de la selección</translation>
    </message>
    <message>
        <source>Add from &amp;Pattern</source>
        <translation>Añadir desde &amp;patrón</translation>
    </message>
    <message>
        <source>Import from &amp;File...</source>
        <translation>Importar desde &amp;archivo...</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>Patrón:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operador:</translation>
    </message>
    <message>
        <source>Test Device:</source>
        <translation>Equipo de prueba:</translation>
    </message>
    <message>
        <source>Test Date:</source>
        <translation>Fecha de prueba:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>Set on &amp;All Records</source>
        <translation>Poner en &amp;todas las mediciones</translation>
    </message>
    <message>
        <source>Set on C&amp;hosen Records</source>
        <translation>Poner en las mediciones &amp;elegidas</translation>
    </message>
    <message>
        <source>The checked texts are set on every record of the job, or on the records of the selected cable IDs and unplanned records; each record changed gets a new version.</source>
        <translation>Los textos marcados se ponen en todas las mediciones del proyecto, o en las mediciones de los ID de cable y las mediciones no previstas seleccionados; cada medición cambiada recibe una nueva versión.</translation>
    </message>
    <message>
        <source>No job is active: records arrive without cable IDs.</source>
        <translation>Ningún proyecto está activo: las mediciones llegan sin ID de cable.</translation>
    </message>
    <message>
        <source>Active job: %1</source>
        <translation>Proyecto activo: %1</translation>
    </message>
    <message>
        <source>Active job: %1, from %2</source>
        <translation>Proyecto activo: %1, desde %2</translation>
    </message>
    <message>
        <source>The records store cannot be read: %1</source>
        <translation>No se puede leer la base de mediciones: %1</translation>
    </message>
    <message>
        <source>The job cannot be read: %1</source>
        <translation>No se puede leer el proyecto: %1</translation>
    </message>
    <message>
        <source>The job could not be changed: %1</source>
        <translation>No se ha podido cambiar el proyecto: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n records of job %1 have the new texts.</source>
        <translation>
            <numerusform>%n medición del proyecto %1 tiene los textos nuevos.</numerusform>
            <numerusform>%n mediciones del proyecto %1 tienen los textos nuevos.</numerusform>
        </translation>
    </message>
    <message>
        <source>New Job</source>
        <translation>Nuevo proyecto</translation>
    </message>
    <message>
        <source>Name of the job:</source>
        <translation>Nombre del proyecto:</translation>
    </message>
    <message>
        <source>Import Cable IDs</source>
        <translation>Importar ID de cable</translation>
    </message>
    <message>
        <source>Lists of cable IDs (*.txt *.csv *.tsv);;All Files (*)</source>
        <translation>Listas de ID de cable (*.txt *.csv *.tsv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>the file is larger than any list of cable IDs</source>
        <translation>el archivo es mayor que cualquier lista de ID de cable</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>No se puede importar %1:
%2</translation>
    </message>
    <message>
        <source>Rename Cable ID</source>
        <translation>Renombrar ID de cable</translation>
    </message>
    <message>
        <source>New cable ID for %1 (its records follow):</source>
        <translation>Nuevo ID de cable para %1 (sus mediciones lo siguen):</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n cable IDs from job %1?</source>
        <translation>
            <numerusform>¿Quitar %n ID de cable del proyecto %1?</numerusform>
            <numerusform>¿Quitar %n ID de cable del proyecto %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>Job %1 has no cable ID without a record.</source>
        <translation>El proyecto %1 no tiene ningún ID de cable sin medición.</translation>
    </message>
    <message>
        <source>Cable ID without a record:</source>
        <translation>ID de cable sin medición:</translation>
    </message>
    <message>
        <source>Cable ID (a tested one takes the record as its retest):</source>
        <translation>ID de cable (uno ya probado toma la medición como repetición):</translation>
    </message>
    <message>
        <source>Move Record</source>
        <translation>Mover medición</translation>
    </message>
    <message>
        <source>Assign Cable ID</source>
        <translation>Asignar ID de cable</translation>
    </message>
    <message>
        <source>Choose Lo&amp;go...</source>
        <translation>Elegir lo&amp;gotipo...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Logo</source>
        <translation>Quitar logoti&amp;po</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logotipo:</translation>
    </message>
    <message>
        <source>Choose the Contractor&apos;s Logo</source>
        <translation>Elegir el logotipo del instalador</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The logo is not taken: %1</source>
        <translation>El logotipo no se acepta: %1</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Sin logotipo</translation>
    </message>
    <message>
        <source>Size in pixels: %1</source>
        <translation>Tamaño en píxeles: %1</translation>
    </message>
</context>
<context>
    <name>ListOfUID</name>
    <message>
        <source>Test Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Empresa: </translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Operador: </translation>
    </message>
    <message>
        <source>Test Device: </source>
        <translation>Eq. de prueba: </translation>
    </message>
    <message>
        <source>Test Date: </source>
        <translation>Fecha prueba: </translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>N.º de serie: </translation>
    </message>
    <message>
        <source>Export Time: </source>
        <translation>Hora export.: </translation>
    </message>
    <message>
        <source>Record: </source>
        <translation>Medición:</translation>
    </message>
    <message>
        <source>Polarity: </source>
        <translation>Polaridad:</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Nota: </translation>
    </message>
    <message>
        <source>FIBER #</source>
        <translation>FIBRA #</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Long. onda</translation>
    </message>
    <message>
        <source>P/F Val(dB)</source>
        <translation>Umbral (dB)</translation>
    </message>
    <message>
        <source>Pass/Fail</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Cable ID:</source>
        <translation>ID de cable:</translation>
    </message>
    <message>
        <source>ID pending</source>
        <translation>ID pendiente</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavolin Lumetra</source>
        <translation>Tavolin Lumetra</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generar</translation>
    </message>
    <message>
        <source>Generate a report</source>
        <translation>Generar el informe de prueba en PDF</translation>
    </message>
    <message>
        <source>&amp;Generate All</source>
        <translation>Generar &amp;todos</translation>
    </message>
    <message>
        <source>Generate all reports</source>
        <translation>Generar los informes de todas las mediciones</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing record</source>
        <translation>Abrir un archivo de mediciones existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Save record to disk</source>
        <translation>Guardar las mediciones en un archivo de mediciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Quitar &amp;todas</translation>
    </message>
    <message>
        <source>Clear the list of Record</source>
        <translation>Vaciar la lista de mediciones</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Quitar &amp;seleccionada</translation>
    </message>
    <message>
        <source>Clear the current Record</source>
        <translation>Quitar la medición seleccionada</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Mostrar información de la aplicación</translation>
    </message>
    <message>
        <source>&amp;Usage</source>
        <translation>&amp;Uso</translation>
    </message>
    <message>
        <source>Help User with Lumetra</source>
        <translation>Instrucciones de uso de Lumetra</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>Find and open every record received or opened before</source>
        <translation>Buscar y abrir las mediciones recibidas o abiertas antes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Mediciones</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <translation>Conexión del medidor</translation>
    </message>
    <message>
        <source>MPO Device Connection and Status</source>
        <translation>Conexión y estado del medidor MPO</translation>
    </message>
    <message>
        <source>Test Report</source>
        <translation>Informe de prueba</translation>
    </message>
    <message>
        <source>Test Report main window</source>
        <translation>Informe de prueba de la medición seleccionada</translation>
    </message>
    <message>
        <source>Create a Dialog window</source>
        <translation>Informe de prueba</translation>
    </message>
    <message>
        <source>A Directory have to be selected</source>
        <translation>Debe seleccionarse una carpeta.</translation>
    </message>
    <message>
        <source>Version %1 (make sure latest version displays)&lt;br&gt;Version Date: %2&lt;br&gt;</source>
        <translation>Versión %1 (compruebe que sea la última versión)&lt;br&gt;Fecha de versión: %2&lt;br&gt;</translation>
    </message>
    <message>
        <source>Support: support@tavolin.example, telephone +1 555 0100 or +1 555 0199</source>
        <translation>Soporte: support@tavolin.example, teléfono +1 555 0100 o +1 555 0199</translation>
    </message>
    <message>
        <source>About Lumetra</source>
        <translation>Acerca de Lumetra</translation>
    </message>
    <message>
        <source>Lumetra Usage</source>
        <translation>Uso de Lumetra</translation>
    </message>
    <message>
        <source>To download software test report:&lt;br&gt;&lt;dd&gt;- Turn on MPO Power Meter&lt;dd&gt;- Attach MPO cable from computer to MPO Power Meter&lt;dd&gt;- In Software - Select appropriate Com Port(ex Com 2)&lt;dd&gt;- To export file select File &lt;i&gt;(F2)&lt;/i&gt;, Recall &lt;i&gt;(F2)&lt;/i&gt; and Export &lt;i&gt;(F2)&lt;/i&gt;&lt;dd&gt;- Select Single File, Range of Files or All Files, By pressing Select &lt;i&gt;(F1)&lt;/i&gt;. Use vertical and horizontal arrows to select range&lt;dd&gt;- Press Export &lt;i&gt;(F1)&lt;/i&gt; to dump file(s) to computer</source>
        <translation>Para descargar las mediciones del medidor:&lt;br&gt;&lt;dd&gt;- Encender el medidor MPO&lt;dd&gt;- Conectar el cable de datos del medidor al ordenador&lt;dd&gt;- En Lumetra, elegir el puerto COM correspondiente (p. ej. COM 2)&lt;dd&gt;- En el medidor, para la exportación, elegir File &lt;i&gt;(F2)&lt;/i&gt;, Recall &lt;i&gt;(F2)&lt;/i&gt; y Export &lt;i&gt;(F2)&lt;/i&gt;&lt;dd&gt;- Elegir una medición, un rango o todas con Select &lt;i&gt;(F1)&lt;/i&gt;; marcar el rango con las flechas&lt;dd&gt;- Pulsar Export &lt;i&gt;(F1)&lt;/i&gt; para enviar las mediciones al ordenador</translation>
    </message>
    <message>
        <source> No Records to Save! </source>
        <translation>No hay mediciones que guardar.</translation>
    </message>
    <message>
        <source>Save Records</source>
        <translation>Guardar mediciones</translation>
    </message>
    <message>
        <source>MRF Files(*.mrf)</source>
        <translation>Archivos de mediciones MRF (*.mrf)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>No se puede escribir el fichero %1:
%2.</translation>
    </message>
    <message>
        <source>Open Records</source>
        <translation>Abrir mediciones</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Abriendo %1...</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>No se puede leer el fichero %1:
%2.</translation>
    </message>
    <message>
        <source>File Format Not Valid</source>
        <translation>Formato de fichero no válido</translation>
    </message>
    <message>
        <source>&amp;Certification Report...</source>
        <translation>Informe de &amp;certificación...</translation>
    </message>
    <message>
        <source>Write a certification report of all records</source>
        <translation>Generar el informe de certificación de todas las mediciones</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exportar a &amp;CSV...</translation>
    </message>
    <message>
        <source>Write all records to a CSV file for spreadsheets</source>
        <translation>Guardar todas las mediciones en un fichero CSV para hojas de cálculo</translation>
    </message>
    <message>
        <source>Select output file</source>
        <translation>Elegir el fichero de salida</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>Ficheros PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No Records to Report!</source>
        <translation>No hay mediciones para un informe.</translation>
    </message>
    <message>
        <source>Writing the certification report...</source>
        <translation>Escribiendo el informe de certificación...</translation>
    </message>
    <message>
        <source>CSV Files(*.csv)</source>
        <translation>Ficheros CSV (*.csv)</translation>
    </message>
    <message>
        <source>No Records to Export!</source>
        <translation>No hay mediciones que exportar.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Escribiendo %1...</translation>
    </message>
    <message>
        <source>Communication PROBLEM</source>
        <translation>Problema de comunicación</translation>
    </message>
    <message>
        <source>No Valid Port Com Found : Please connect The MPO cable first - EXIT</source>
        <translation>No se encontró ningún puerto COM válido: conecte primero el cable de datos del medidor.</translation>
    </message>
    <message>
        <source>Bad Port Number : EXIT %1</source>
        <translation>Puerto no válido: salida %1</translation>
    </message>
    <message>
        <source>Bad Port Number : DISCONNECTED</source>
        <translation>Puerto no válido: DESCONECTADO</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>&lt;b&gt;Data may be corrupted&lt;/b&gt; - Problem with MPO Power Meter Version -&lt;br&gt;                                                        Please Verify MPO Power Meter Version.&lt;br&gt;                                                     The supported version are &lt;b&gt;%1&lt;/b&gt; or Higher</source>
        <translation>&lt;b&gt;Los datos pueden estar dañados&lt;/b&gt;: problema con la versión del medidor MPO&lt;br&gt;Compruebe la versión del medidor MPO.&lt;br&gt;Se admiten las versiones &lt;b&gt;%1&lt;/b&gt; y superiores.</translation>
    </message>
    <message>
        <source>All_%1</source>
        <translation>Todas_%1</translation>
    </message>
    <message>
        <source>Capturing the reports...</source>
        <translation>Capturando los informes...</translation>
    </message>
    <message>
        <source>Writing the PDF...</source>
        <translation>Escribiendo el PDF...</translation>
    </message>
    <message>
        <source>Records are not being kept: %1</source>
        <translation>Las mediciones no se están conservando: %1</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>Open one of the last archives opened or saved</source>
        <translation>Abrir uno de los últimos archivos de mediciones abiertos o guardados</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Forget the archives listed here; the files stay</source>
        <translation>Olvidar los archivos de mediciones de esta lista; los ficheros se conservan</translation>
    </message>
    <message>
        <source>The chosen records could not be opened: %1</source>
        <translation>No se han podido abrir las mediciones elegidas: %1</translation>
    </message>
    <message numerus="yes">
        <source>Receiving: %n records</source>
        <translation>
            <numerusform>Recibiendo: %n medición</numerusform>
            <numerusform>Recibiendo: %n mediciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last session ended with %n records that were not saved to an archive. Show them again?</source>
        <translation>
            <numerusform>La última sesión terminó con %n medición que no se guardó en un archivo de mediciones. ¿Mostrarla de nuevo?</numerusform>
            <numerusform>La última sesión terminó con %n mediciones que no se guardaron en un archivo de mediciones. ¿Mostrarlas de nuevo?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 chosen records could not be opened: their data in the records store is damaged.</source>
        <translation>
            <numerusform>%n de las %1 mediciones elegidas no se ha podido abrir: sus datos en la base de mediciones están dañados.</numerusform>
            <numerusform>%n de las %1 mediciones elegidas no se han podido abrir: sus datos en la base de mediciones están dañados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Storing %Ln records…</source>
        <translation>
            <numerusform>Guardando %Ln medición…</numerusform>
            <numerusform>Guardando %Ln mediciones…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln records kept</source>
        <translation>
            <numerusform>%Ln medición conservada</numerusform>
            <numerusform>%Ln mediciones conservadas</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Jobs...</source>
        <translation>&amp;Proyectos...</translation>
    </message>
    <message>
        <source>Plan the cable IDs of a job and see which are tested</source>
        <translation>Planificar los ID de cable de un proyecto y ver cuáles están probados</translation>
    </message>
    <message numerus="yes">
        <source>The archive carries the cable IDs of job %1 only: %n records of other jobs are saved without theirs.</source>
        <translation>
            <numerusform>El archivo de mediciones solo lleva los ID de cable del proyecto %1: %n medición de otros proyectos se guarda sin el suyo.</numerusform>
            <numerusform>El archivo de mediciones solo lleva los ID de cable del proyecto %1: %n mediciones de otros proyectos se guardan sin el suyo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The archive&apos;s job could not be read; its records are opened without their cable IDs.</source>
        <translation>No se ha podido leer el proyecto del archivo de mediciones; sus mediciones se abren sin sus ID de cable.</translation>
    </message>
    <message>
        <source>&amp;Assign Cable ID...</source>
        <translation>&amp;Asignar ID de cable...</translation>
    </message>
    <message>
        <source>Give the selected record a cable ID of its job</source>
        <translation>Dar a la medición seleccionada un ID de cable de su proyecto</translation>
    </message>
    <message>
        <source>&amp;Take Back Cable ID</source>
        <translation>&amp;Retirar el ID de cable</translation>
    </message>
    <message>
        <source>Keep the selected record in its job without its cable ID</source>
        <translation>Mantener la medición seleccionada en su proyecto sin su ID de cable</translation>
    </message>
    <message>
        <source>The cable ID could not be changed: %1</source>
        <translation>No se ha podido cambiar el ID de cable: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n records arrived unplanned: job %1 has no cable ID left without a record</source>
        <translation>
            <numerusform>%n medición llegó no prevista: al proyecto %1 no le queda ningún ID de cable sin medición</numerusform>
            <numerusform>%n mediciones llegaron no previstas: al proyecto %1 no le queda ningún ID de cable sin medición</numerusform>
        </translation>
    </message>
    <message>
        <source>The job %1 is not in the records store: records arrive without cable IDs</source>
        <translation>El proyecto %1 no está en la base de mediciones: las mediciones llegan sin ID de cable</translation>
    </message>
    <message>
        <source>Job: %1</source>
        <translation>Proyecto: %1</translation>
    </message>
    <message>
        <source>Records received take the cable IDs of job %1</source>
        <translation>Las mediciones recibidas toman los ID de cable del proyecto %1</translation>
    </message>
    <message>
        <source>Records received take the cable IDs of job %1, from %2</source>
        <translation>Las mediciones recibidas toman los ID de cable del proyecto %1, desde %2</translation>
    </message>
    <message>
        <source>ID pending</source>
        <translation>ID pendiente</translation>
    </message>
    <message>
        <source>The job cannot be read: %1</source>
        <translation>No se puede leer el proyecto: %1</translation>
    </message>
    <message>
        <source>Assign Cable ID</source>
        <translation>Asignar ID de cable</translation>
    </message>
    <message>
        <source>Cable ID of job %1 for record %2 (a tested one takes it as its retest):</source>
        <translation>ID de cable del proyecto %1 para la medición %2 (uno ya probado la toma como repetición):</translation>
    </message>
    <message>
        <source>&amp;Job Report...</source>
        <translation>Informe del &amp;proyecto...</translation>
    </message>
    <message>
        <source>Job &amp;Workbook...</source>
        <translation>&amp;Libro del proyecto...</translation>
    </message>
    <message>
        <source>Make a job active in Records &gt; Jobs first</source>
        <translation>Activar primero un proyecto en Mediciones &gt; Proyectos</translation>
    </message>
    <message>
        <source>Write the report of the active job for its customer</source>
        <translation>Escribir el informe del proyecto activo para su cliente</translation>
    </message>
    <message>
        <source>Write the figures of the active job to an Excel workbook</source>
        <translation>Escribir los valores del proyecto activo en un libro de Excel</translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xlsx)</source>
        <translation>Libros de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>%1 is a record archive; it is not overwritten. Choose another file.</source>
        <translation>%1 es un archivo de mediciones; no se sobrescribe. Elegir otro fichero.</translation>
    </message>
    <message>
        <source>Writing the job report...</source>
        <translation>Escribiendo el informe del proyecto...</translation>
    </message>
    <message>
        <source>Writing the job workbook...</source>
        <translation>Escribiendo el libro del proyecto...</translation>
    </message>
    <message>
        <source>The workbook %1 is written.</source>
        <translation>El libro %1 está escrito.</translation>
    </message>
    <message numerus="yes">
        <source>%n header texts were cut to the 32,767 characters a cell holds.</source>
        <translation>
            <numerusform>%n texto de encabezado se cortó a los 32.767 caracteres de una celda.</numerusform>
            <numerusform>%n textos de encabezado se cortaron a los 32.767 caracteres de una celda.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RecordHistoryModel</name>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibida</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>N.º de medición</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>N.º de serie</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longitud de onda</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>ID de cable</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>; records are held in memory only, until the store can take them</source>
        <translation>; las mediciones solo se conservan en memoria hasta que la base de mediciones pueda recibirlas</translation>
    </message>
</context>
<context>
    <name>RecordListDelegate</name>
    <message>
        <source>ID pending</source>
        <translation>ID pendiente</translation>
    </message>
</context>
<context>
    <name>RecordVerdict</name>
    <message>
        <source>No reading</source>
        <translation>Sin lectura</translation>
    </message>
    <message numerus="yes">
        <source>FAIL: fibers %1</source>
        <translation>
            <numerusform>FAIL: fibra %1</numerusform>
            <numerusform>FAIL: fibras %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoreUpgradeProgress</name>
    <message>
        <source>Upgrading the records store: building its search index…</source>
        <translation>Actualizando la base de mediciones: creando su índice de búsqueda…</translation>
    </message>
</context>
<context>
    <name>SuspectReading</name>
    <message>
        <source>Negative loss: set the reference again and retest</source>
        <translation>Pérdida negativa: volver a fijar la referencia y repetir la prueba</translation>
    </message>
    <message>
        <source>Same readings as record %1</source>
        <translation>Mismas lecturas que la medición %1</translation>
    </message>
</context>
</TS>
