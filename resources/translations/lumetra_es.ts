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
        <source>Shows only the records whose company, operator, note or record number contain this text</source>
        <translation>Muestra solo las mediciones cuya empresa, operador, nota o número de medición contiene este texto</translation>
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
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>; records are held in memory only, until the store can take them</source>
        <translation>; las mediciones solo se conservan en memoria hasta que la base de mediciones pueda recibirlas</translation>
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
</TS>
