<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>COM port the meter is connected to</source>
        <translation>Port COM auquel l&apos;appareil de mesure est relié</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>État de l&apos;appareil</translation>
    </message>
    <message>
        <source>Whether the port to the meter is connected</source>
        <translation>Indique si le port de l&apos;appareil de mesure est connecté</translation>
    </message>
    <message>
        <source>Record list</source>
        <translation>Liste des mesures</translation>
    </message>
    <message>
        <source>Records received from the meter or opened</source>
        <translation>Mesures reçues de l&apos;appareil de mesure ou ouvertes</translation>
    </message>
    <message>
        <source>Records received from the meter or opened; the selected one is shown in the test report</source>
        <translation>Mesures reçues de l&apos;appareil de mesure ou ouvertes ; la mesure sélectionnée est affichée dans le rapport d&apos;essai</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Company name printed on the report</source>
        <translation>Nom de la société imprimé sur le rapport</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Operator&apos;s name printed on the report</source>
        <translation>Nom de l&apos;opérateur imprimé sur le rapport</translation>
    </message>
    <message>
        <source>Test device</source>
        <translation>Appareil d&apos;essai</translation>
    </message>
    <message>
        <source>Test device printed on the report</source>
        <translation>Appareil d&apos;essai imprimé sur le rapport</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Date d&apos;essai</translation>
    </message>
    <message>
        <source>Test date printed on the report</source>
        <translation>Date d&apos;essai imprimée sur le rapport</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Serial number printed on the report</source>
        <translation>Numéro de série imprimé sur le rapport</translation>
    </message>
    <message>
        <source>Export time</source>
        <translation>Heure d&apos;export</translation>
    </message>
    <message>
        <source>When the meter exported the record</source>
        <translation>Moment où l&apos;appareil de mesure a exporté la mesure</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>Numéro de mesure</translation>
    </message>
    <message>
        <source>The record&apos;s number in the meter</source>
        <translation>Numéro de la mesure dans l&apos;appareil de mesure</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarité</translation>
    </message>
    <message>
        <source>Polarity of the MPO cable</source>
        <translation>Polarité du câble MPO</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Note printed on the report</source>
        <translation>Remarque imprimée sur le rapport</translation>
    </message>
    <message>
        <source>Fibers</source>
        <translation>Fibres</translation>
    </message>
    <message>
        <source>Wavelength, power, loss, threshold and verdict of each fiber</source>
        <translation>Longueur d&apos;onde, puissance, perte, seuil et résultat de chaque fibre</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Shows only the records received on or after the date beside it</source>
        <translation>N&apos;affiche que les mesures reçues à la date voisine ou après</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>First day of the records shown</source>
        <translation>Premier jour des mesures affichées</translation>
    </message>
    <message>
        <source>Shows only the records received on or before the date beside it</source>
        <translation>N&apos;affiche que les mesures reçues à la date voisine ou avant</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Last day of the records shown</source>
        <translation>Dernier jour des mesures affichées</translation>
    </message>
    <message>
        <source>Stored records</source>
        <translation>Mesures conservées</translation>
    </message>
    <message>
        <source>Every record received or opened before, newest first</source>
        <translation>Toutes les mesures déjà reçues ou ouvertes, les plus récentes en premier</translation>
    </message>
    <message>
        <source>Lists the selected records in the window</source>
        <translation>Ajoute les mesures sélectionnées à la liste des mesures</translation>
    </message>
    <message>
        <source>Closes the History window</source>
        <translation>Ferme la fenêtre de l&apos;historique</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>Identifiant de câble</translation>
    </message>
    <message>
        <source>The label of the trunk the record measured, as its job names it</source>
        <translation>L&apos;étiquette du trunk mesuré, telle que le chantier la nomme</translation>
    </message>
    <message>
        <source>Shows only the records whose company, operator, note, record number or cable ID contain this text</source>
        <translation>Affiche seulement les mesures dont la société, l&apos;opérateur, la remarque, le numéro de mesure ou l&apos;identifiant de câble contient ce texte</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>Shows only the records of this job</source>
        <translation>Affiche seulement les mesures de ce chantier</translation>
    </message>
    <message>
        <source>The job shown, of the jobs of the records store</source>
        <translation>Le chantier affiché, parmi les chantiers de la base des mesures</translation>
    </message>
    <message>
        <source>Cable IDs</source>
        <translation>Identifiants de câble</translation>
    </message>
    <message>
        <source>The job&apos;s cable IDs in order, each with its state, record, when it was tested and its smallest margin</source>
        <translation>Les identifiants de câble du chantier dans l&apos;ordre, chacun avec son état, sa mesure, la date de l&apos;essai et sa marge minimale</translation>
    </message>
    <message>
        <source>Unplanned records</source>
        <translation>Mesures non prévues</translation>
    </message>
    <message>
        <source>Records of the job that arrived when no cable ID was free</source>
        <translation>Mesures du chantier arrivées quand aucun identifiant de câble n&apos;était libre</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>The job&apos;s customer</source>
        <translation>Le client du chantier</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Where the job is</source>
        <translation>Où se trouve le chantier</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>Who does the job</source>
        <translation>Qui réalise le chantier</translation>
    </message>
    <message>
        <source>A note on the job</source>
        <translation>Une remarque sur le chantier</translation>
    </message>
    <message>
        <source>New cable IDs</source>
        <translation>Nouveaux identifiants de câble</translation>
    </message>
    <message>
        <source>Cable IDs to add, one a line</source>
        <translation>Identifiants de câble à ajouter, un par ligne</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Cable IDs to add as a pattern, ranges in braces, for example A{1..4}-B{01..12}</source>
        <translation>Identifiants de câble à ajouter sous forme de modèle, plages entre accolades, par exemple A{1..4}-B{01..12}</translation>
    </message>
    <message>
        <source>The text set on the records when its box is checked</source>
        <translation>Le texte appliqué aux mesures quand sa case est cochée</translation>
    </message>
    <message>
        <source>Records received from now on take this job&apos;s cable IDs, from the selected one on</source>
        <translation>Les mesures reçues désormais prennent les identifiants de câble de ce chantier, à partir de celui sélectionné</translation>
    </message>
    <message>
        <source>Closes the Jobs window</source>
        <translation>Ferme la fenêtre des chantiers</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>The contractor&apos;s logo, shown on page 1 of the job report</source>
        <translation>Le logo de l&apos;installateur, en page 1 du rapport de chantier</translation>
    </message>
</context>
<context>
    <name>CableIdImport</name>
    <message>
        <source>The file is UTF-16 text cut short in the middle of a character.</source>
        <translation>Le fichier est un texte UTF-16 coupé au milieu d&apos;un caractère.</translation>
    </message>
    <message>
        <source>Line %1: a quote opened there is never closed.</source>
        <translation>Ligne %1 : un guillemet ouvert à cet endroit n&apos;est jamais fermé.</translation>
    </message>
</context>
<context>
    <name>CableIdList</name>
    <message>
        <source>A cable ID cannot be empty.</source>
        <translation>Un identifiant de câble ne peut pas être vide.</translation>
    </message>
    <message>
        <source>The cable ID %1 is longer than 64 characters.</source>
        <translation>L&apos;identifiant de câble %1 dépasse 64 caractères.</translation>
    </message>
    <message>
        <source>The cable ID %1 holds a control character.</source>
        <translation>L&apos;identifiant de câble %1 contient un caractère de contrôle.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Nothing was added: these cable IDs are listed twice or are already in the job: %1.</source>
        <translation>Rien n&apos;a été ajouté : ces identifiants de câble figurent deux fois dans la liste ou sont déjà dans le chantier : %1.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was added: the job would hold %n cable IDs, and a job holds at most 100,000.</source>
        <translation>
            <numerusform>Rien n&apos;a été ajouté : le chantier compterait %n identifiant de câble, et un chantier en compte au plus 100 000.</numerusform>
            <numerusform>Rien n&apos;a été ajouté : le chantier compterait %n identifiants de câble, et un chantier en compte au plus 100 000.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CableIdPattern</name>
    <message>
        <source>The pattern has a } without its {; write }} for a brace in an ID.</source>
        <translation>Le modèle contient une } sans sa { ; écrire }} pour une accolade dans un identifiant.</translation>
    </message>
    <message>
        <source>The pattern has a { without its }; write {{ for a brace in an ID.</source>
        <translation>Le modèle contient une { sans sa } ; écrire {{ pour une accolade dans un identifiant.</translation>
    </message>
    <message>
        <source>{%1} is not a range: write one as {1..24}, {01..24}, {12..1} or {A..H}.</source>
        <translation>{%1} n&apos;est pas une plage : écrire une plage sous la forme {1..24}, {01..24}, {12..1} ou {A..H}.</translation>
    </message>
    <message>
        <source>The pattern makes more than 10,000 cable IDs, the most one pattern may make.</source>
        <translation>Le modèle donne plus de 10 000 identifiants de câble, le maximum pour un modèle.</translation>
    </message>
</context>
<context>
    <name>CertificationReport</name>
    <message>
        <source>Certification Report</source>
        <translation>Rapport de certification</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>le PDF n&apos;a pas pu être généré</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Loss per fiber (dB)</source>
        <translation>Perte par fibre (dB)</translation>
    </message>
    <message>
        <source>threshold %1 dB</source>
        <translation>seuil %1 dB</translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Longueur d&apos;onde (nm)</translation>
    </message>
    <message>
        <source>Power (dBm)</source>
        <translation>Puissance (dBm)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>Perte (dB)</translation>
    </message>
    <message>
        <source>Threshold (dB)</source>
        <translation>Seuil (dB)</translation>
    </message>
    <message>
        <source>Margin (dB)</source>
        <translation>Marge (dB)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Mesure %1</translation>
    </message>
    <message>
        <source>PASS %1, FAIL %2, --- %3</source>
        <translation>PASS %1, FAIL %2, --- %3</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Test device</source>
        <translation>Appareil d&apos;essai</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Date d&apos;essai</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Export time</source>
        <translation>Heure d&apos;export</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarité</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longueur d&apos;onde</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Worst loss (dB)</source>
        <translation>Perte max. (dB)</translation>
    </message>
    <message>
        <source>Smallest margin (dB)</source>
        <translation>Marge min. (dB)</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Réussies</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échouées</translation>
    </message>
    <message>
        <source>Overall verdict</source>
        <translation>Verdict global</translation>
    </message>
    <message>
        <source>no fiber has a verdict</source>
        <translation>aucune fibre n&apos;a de résultat</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Export times</source>
        <translation>Heures d&apos;export</translation>
    </message>
    <message>
        <source>%1 dB, record %2, fiber %3</source>
        <translation>%1 dB, mesure %2, fibre %3</translation>
    </message>
    <message>
        <source>Smallest margin</source>
        <translation>Marge minimale</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Fibers</source>
        <translation>Fibres</translation>
    </message>
    <message>
        <source>Record %1 (continued)</source>
        <translation>Mesure %1 (suite)</translation>
    </message>
    <message>
        <source>No reading</source>
        <translation>Non mesurées</translation>
    </message>
    <message>
        <source>A fiber without a reading has no margin; its verdict is counted as the window shows it.</source>
        <translation>Une fibre sans mesure n&apos;a pas de marge ; son résultat est compté tel que la fenêtre l&apos;affiche.</translation>
    </message>
    <message>
        <source>IDs planned</source>
        <translation>ID prévus</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Testés</translation>
    </message>
    <message>
        <source>No verdict</source>
        <translation>Sans résultat</translation>
    </message>
    <message>
        <source>Not tested</source>
        <translation>Non testés</translation>
    </message>
    <message>
        <source>Retested</source>
        <translation>Testés à nouveau</translation>
    </message>
    <message>
        <source>Unplanned records</source>
        <translation>Mesures non prévues</translation>
    </message>
    <message>
        <source>Suspect IDs</source>
        <translation>ID suspects</translation>
    </message>
    <message>
        <source>Job verdict</source>
        <translation>Résultat du chantier</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>First test</source>
        <translation>Premier essai</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Dernier essai</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Opérateurs</translation>
    </message>
    <message>
        <source>Test devices</source>
        <translation>Appareils d&apos;essai</translation>
    </message>
    <message>
        <source>%1 dB, %2, fiber %3</source>
        <translation>%1 dB, %2, fibre %3</translation>
    </message>
    <message>
        <source>Suspect readings are advice, and the verdicts stand as measured: the table of cable IDs names them, and each ID&apos;s section says more.</source>
        <translation>Les mesures suspectes sont un avis, les résultats restent tels que mesurés : le tableau des identifiants de câble les nomme, la section de chaque ID en dit plus.</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>ID câble</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçue le</translation>
    </message>
    <message>
        <source>Largest loss (dB)</source>
        <translation>Perte max. (dB)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Cable IDs</source>
        <translation>Identifiants de câble</translation>
    </message>
    <message>
        <source>Superseded tests</source>
        <translation>Essais remplacés</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>non testé</translation>
    </message>
    <message>
        <source>Job Report</source>
        <translation>Rapport de chantier</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>%1 (serial number %2)</source>
        <translation>%1 (numéro de série %2)</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>INCOMPLET</translation>
    </message>
    <message>
        <source>the latest test of every planned cable ID passes</source>
        <translation>le dernier essai de chaque ID câble prévu est réussi</translation>
    </message>
    <message>
        <source>the latest test of a planned cable ID fails</source>
        <translation>le dernier essai d&apos;un ID câble prévu a échoué</translation>
    </message>
    <message>
        <source>the job has no cable IDs</source>
        <translation>le chantier n&apos;a pas d&apos;identifiants de câble</translation>
    </message>
    <message>
        <source>planned cable IDs are not tested</source>
        <translation>des ID câble prévus ne sont pas testés</translation>
    </message>
    <message>
        <source>a latest test has no verdict</source>
        <translation>un dernier essai n&apos;a pas de résultat</translation>
    </message>
    <message numerus="yes">
        <source>retested ×%n</source>
        <translation>
            <numerusform>testé à nouveau ×%n</numerusform>
            <numerusform>testé à nouveau ×%n</numerusform>
        </translation>
    </message>
    <message>
        <source>marked for a retest</source>
        <translation>marqué pour un nouvel essai</translation>
    </message>
    <message>
        <source>Trunks</source>
        <translation>Trunks</translation>
    </message>
    <message>
        <source>unplanned record</source>
        <translation>mesure non prévue</translation>
    </message>
    <message>
        <source>no temporary file could be made in %1</source>
        <translation>aucun fichier temporaire n&apos;a pu être créé dans %1</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>le classeur n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Suspect readings in record %1 (marked !): see its section. The verdicts stand as measured.</source>
        <translation>Mesures suspectes dans la mesure %1 (marquée !) : voir sa section. Les résultats restent tels que mesurés.</translation>
    </message>
    <message>
        <source>Suspect readings in records %1 (marked !): see their sections. The verdicts stand as measured.</source>
        <translation>Mesures suspectes dans les mesures %1 (marquées !) : voir leurs sections. Les résultats restent tels que mesurés.</translation>
    </message>
    <message>
        <source>Fiber %1: %2</source>
        <translation>Fibre %1 : %2</translation>
    </message>
    <message>
        <source>Fibers %1: %2</source>
        <translation>Fibres %1 : %2</translation>
    </message>
    <message>
        <source>Negative loss, fiber %1</source>
        <translation>Perte négative, fibre %1</translation>
    </message>
    <message numerus="yes">
        <source>Negative loss, %n fibers</source>
        <translation>
            <numerusform>Perte négative, %n fibre</numerusform>
            <numerusform>Perte négative, %n fibres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n fibers with a verdict pass</source>
        <translation>
            <numerusform>%1 sur %n fibre ayant un résultat est conforme</numerusform>
            <numerusform>%1 des %n fibres ayant un résultat sont conformes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CertificationSummary</name>
    <message>
        <source>several</source>
        <translation>plusieurs</translation>
    </message>
</context>
<context>
    <name>ConfigRun</name>
    <message>
        <source>Device Status</source>
        <translation>État appareil</translation>
    </message>
    <message>
        <source>Record List</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>  Device Status : </source>
        <translation>  État appareil : </translation>
    </message>
    <message>
        <source>  MPO Port COM : </source>
        <translation>  Port COM MPO : </translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>CHOISIR</translation>
    </message>
    <message>
        <source>CONNECTED</source>
        <translation>CONNECTÉ</translation>
    </message>
    <message>
        <source>DISCONNECTED</source>
        <translation>DÉCONNECTÉ</translation>
    </message>
    <message>
        <source>Please Connect the Cable and Select a Port for Communication</source>
        <translation>Veuillez brancher le câble de données de l&apos;appareil et choisir un port pour la communication.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Company, operator, note, record number...</source>
        <translation>Société, opérateur, remarque, n° de mesure…</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>The newest %L1 records that match are shown: narrow the search or the dates to find older ones.</source>
        <translation>Les %L1 mesures correspondantes les plus récentes sont affichées : affinez la recherche ou les dates pour trouver les plus anciennes.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>The records store cannot be read: %1</source>
        <translation>La base des mesures ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>Reading the records store…</source>
        <translation>Lecture de la base des mesures…</translation>
    </message>
    <message>
        <source>All jobs</source>
        <translation>Tous les chantiers</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Chantier :</translation>
    </message>
</context>
<context>
    <name>IODeviceLinux</name>
    <message>
        <source>No permission to open %1: join the group %2 (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>Pas d&apos;autorisation pour ouvrir %1 : rejoindre le groupe %2 (sudo usermod -aG %2 $USER), puis se reconnecter.</translation>
    </message>
</context>
<context>
    <name>JobFacts</name>
    <message>
        <source>A job needs a name.</source>
        <translation>Un chantier doit avoir un nom.</translation>
    </message>
    <message>
        <source>A job&apos;s name is at most 200 characters long.</source>
        <translation>Le nom d&apos;un chantier compte au plus 200 caractères.</translation>
    </message>
    <message>
        <source>A job&apos;s name cannot hold a control character.</source>
        <translation>Le nom d&apos;un chantier ne peut pas contenir de caractère de contrôle.</translation>
    </message>
</context>
<context>
    <name>JobLogo</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MB: choose a smaller logo.</source>
        <translation>%1 dépasse 1 Mo : choisissez un logo plus petit.</translation>
    </message>
    <message>
        <source>the logo is larger than 1 MB</source>
        <translation>le logo dépasse 1 Mo</translation>
    </message>
    <message>
        <source>this is not a PNG or JPEG picture</source>
        <translation>ce n&apos;est pas une image PNG ou JPEG</translation>
    </message>
    <message>
        <source>the picture is larger than 4096 × 4096 pixels</source>
        <translation>l&apos;image dépasse 4096 × 4096 pixels</translation>
    </message>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>l&apos;image est endommagée : %1</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message numerus="yes">
        <source>%1 of %n tested</source>
        <translation>
            <numerusform>%1 sur %n testé</numerusform>
            <numerusform>%1 sur %n testés</numerusform>
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
            <numerusform>%n non testé</numerusform>
            <numerusform>%n non testés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a verdict</source>
        <translation>
            <numerusform>%n sans résultat</numerusform>
            <numerusform>%n sans résultat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked for a retest</source>
        <translation>
            <numerusform>%n marqué pour un nouvel essai</numerusform>
            <numerusform>%n marqués pour un nouvel essai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unplanned</source>
        <translation>
            <numerusform>%n non prévue</numerusform>
            <numerusform>%n non prévues</numerusform>
        </translation>
    </message>
    <message>
        <source>untested</source>
        <translation>non testé</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>sans résultat</translation>
    </message>
</context>
<context>
    <name>JobStatusModel</name>
    <message>
        <source>Cable ID</source>
        <translation>ID câble</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>N° de mesure</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Testé le</translation>
    </message>
    <message>
        <source>Smallest Margin</source>
        <translation>Marge minimale</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçue le</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>retested</source>
        <translation>testé à nouveau</translation>
    </message>
    <message>
        <source>retest marked</source>
        <translation>marqué pour un nouvel essai</translation>
    </message>
</context>
<context>
    <name>JobsWindow</name>
    <message>
        <source>Jobs</source>
        <translation>Chantiers</translation>
    </message>
    <message>
        <source>&amp;New Job...</source>
        <translation>&amp;Nouveau chantier...</translation>
    </message>
    <message>
        <source>Make &amp;Active</source>
        <translation>&amp;Activer</translation>
    </message>
    <message>
        <source>&amp;Deactivate</source>
        <translation>&amp;Désactiver</translation>
    </message>
    <message>
        <source>Working on the records store…</source>
        <translation>Travail sur la base des mesures…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Job</source>
        <translation>&amp;Chantier</translation>
    </message>
    <message>
        <source>Add &amp;IDs</source>
        <translation>Ajouter des &amp;ID</translation>
    </message>
    <message>
        <source>Header &amp;Texts</source>
        <translation>&amp;Textes d&apos;en-tête</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Chantier :</translation>
    </message>
    <message>
        <source>Unplanned records:</source>
        <translation>Mesures non prévues :</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Monter (&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Descendre (&amp;W)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Suppri&amp;mer</translation>
    </message>
    <message>
        <source>Mark for Re&amp;test</source>
        <translation>Marquer pour un nouvel &amp;essai</translation>
    </message>
    <message>
        <source>C&amp;lear Retest Mark</source>
        <translation>E&amp;ffacer la marque de nouvel essai</translation>
    </message>
    <message>
        <source>Move Record t&amp;o...</source>
        <translation>Déplacer la mesure &amp;vers...</translation>
    </message>
    <message>
        <source>Take &amp;Back Record</source>
        <translation>Retirer la &amp;mesure</translation>
    </message>
    <message>
        <source>Assign &amp;Cable ID...</source>
        <translation>Attribuer un &amp;ID câble...</translation>
    </message>
    <message>
        <source>&amp;Save Facts</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Site :</translation>
    </message>
    <message>
        <source>Contractor:</source>
        <translation>Installateur :</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>One cable ID a line, typed or pasted</source>
        <translation>Un identifiant de câble par ligne, saisi ou collé</translation>
    </message>
    <message>
        <source>Add at &amp;End</source>
        <translation>Ajouter à la &amp;fin</translation>
    </message>
    <message>
        <source>I&amp;nsert Before Selected</source>
        <translation>I&amp;nsérer avant la sélection</translation>
    </message>
    <message>
        <source>Add from &amp;Pattern</source>
        <translation>Ajouter d&apos;après le &amp;modèle</translation>
    </message>
    <message>
        <source>Import from &amp;File...</source>
        <translation>Importer depuis un &amp;fichier...</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Opérateur :</translation>
    </message>
    <message>
        <source>Test Device:</source>
        <translation>Appareil d&apos;essai :</translation>
    </message>
    <message>
        <source>Test Date:</source>
        <translation>Date d&apos;essai :</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numéro de série :</translation>
    </message>
    <message>
        <source>Set on &amp;All Records</source>
        <translation>Appliquer à &amp;toutes les mesures</translation>
    </message>
    <message>
        <source>Set on C&amp;hosen Records</source>
        <translation>Appliquer aux mesures &amp;choisies</translation>
    </message>
    <message>
        <source>The checked texts are set on every record of the job, or on the records of the selected cable IDs and unplanned records; each record changed gets a new version.</source>
        <translation>Les textes cochés sont appliqués à toutes les mesures du chantier, ou aux mesures des identifiants de câble et des mesures non prévues sélectionnés ; chaque mesure modifiée reçoit une nouvelle version.</translation>
    </message>
    <message>
        <source>No job is active: records arrive without cable IDs.</source>
        <translation>Aucun chantier actif : les mesures arrivent sans identifiant de câble.</translation>
    </message>
    <message>
        <source>Active job: %1</source>
        <translation>Chantier actif : %1</translation>
    </message>
    <message>
        <source>Active job: %1, from %2</source>
        <translation>Chantier actif : %1, à partir de %2</translation>
    </message>
    <message>
        <source>The records store cannot be read: %1</source>
        <translation>La base des mesures ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>The job cannot be read: %1</source>
        <translation>Le chantier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The job could not be changed: %1</source>
        <translation>Le chantier n&apos;a pas pu être modifié : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n records of job %1 have the new texts.</source>
        <translation>
            <numerusform>%n mesure du chantier %1 a les nouveaux textes.</numerusform>
            <numerusform>%n mesures du chantier %1 ont les nouveaux textes.</numerusform>
        </translation>
    </message>
    <message>
        <source>New Job</source>
        <translation>Nouveau chantier</translation>
    </message>
    <message>
        <source>Name of the job:</source>
        <translation>Nom du chantier :</translation>
    </message>
    <message>
        <source>Import Cable IDs</source>
        <translation>Importer des identifiants de câble</translation>
    </message>
    <message>
        <source>Lists of cable IDs (*.txt *.csv *.tsv);;All Files (*)</source>
        <translation>Listes d&apos;identifiants de câble (*.txt *.csv *.tsv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>the file is larger than any list of cable IDs</source>
        <translation>le fichier est plus grand que toute liste d&apos;identifiants de câble</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>Impossible d&apos;importer %1 :
%2</translation>
    </message>
    <message>
        <source>Rename Cable ID</source>
        <translation>Renommer l&apos;identifiant de câble</translation>
    </message>
    <message>
        <source>New cable ID for %1 (its records follow):</source>
        <translation>Nouvel identifiant de câble pour %1 (ses mesures suivent) :</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n cable IDs from job %1?</source>
        <translation>
            <numerusform>Supprimer %n identifiant de câble du chantier %1 ?</numerusform>
            <numerusform>Supprimer %n identifiants de câble du chantier %1 ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Job %1 has no cable ID without a record.</source>
        <translation>Le chantier %1 n&apos;a aucun identifiant de câble sans mesure.</translation>
    </message>
    <message>
        <source>Cable ID without a record:</source>
        <translation>Identifiant de câble sans mesure :</translation>
    </message>
    <message>
        <source>Cable ID (a tested one takes the record as its retest):</source>
        <translation>Identifiant de câble (un identifiant testé prend la mesure comme nouvel essai) :</translation>
    </message>
    <message>
        <source>Move Record</source>
        <translation>Déplacer la mesure</translation>
    </message>
    <message>
        <source>Assign Cable ID</source>
        <translation>Attribuer un identifiant de câble</translation>
    </message>
    <message>
        <source>Choose Lo&amp;go...</source>
        <translation>Choisir le lo&amp;go...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Logo</source>
        <translation>Reti&amp;rer le logo</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo :</translation>
    </message>
    <message>
        <source>Choose the Contractor&apos;s Logo</source>
        <translation>Choisir le logo de l&apos;installateur</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Images (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The logo is not taken: %1</source>
        <translation>Le logo n&apos;est pas retenu : %1</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Aucun logo</translation>
    </message>
    <message>
        <source>Size in pixels: %1</source>
        <translation>Taille en pixels : %1</translation>
    </message>
</context>
<context>
    <name>ListOfUID</name>
    <message>
        <source>Test Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Société : </translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Opérateur : </translation>
    </message>
    <message>
        <source>Test Device: </source>
        <translation>App. d&apos;essai : </translation>
    </message>
    <message>
        <source>Test Date: </source>
        <translation>Date essai : </translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>N° de série : </translation>
    </message>
    <message>
        <source>Export Time: </source>
        <translation>Heure export : </translation>
    </message>
    <message>
        <source>Record: </source>
        <translation>Mesure :</translation>
    </message>
    <message>
        <source>Polarity: </source>
        <translation>Polarité :</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Remarque : </translation>
    </message>
    <message>
        <source>FIBER #</source>
        <translation>FIBRE #</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Long. onde</translation>
    </message>
    <message>
        <source>P/F Val(dB)</source>
        <translation>Seuil (dB)</translation>
    </message>
    <message>
        <source>Pass/Fail</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Cable ID:</source>
        <translation>ID câble :</translation>
    </message>
    <message>
        <source>ID pending</source>
        <translation>ID en attente</translation>
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
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>Generate a report</source>
        <translation>Générer le rapport d&apos;essai en PDF</translation>
    </message>
    <message>
        <source>&amp;Generate All</source>
        <translation>&amp;Tout générer</translation>
    </message>
    <message>
        <source>Generate all reports</source>
        <translation>Générer les rapports d&apos;essai de toutes les mesures</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing record</source>
        <translation>Ouvrir une archive existante</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Save record to disk</source>
        <translation>Enregistrer les mesures dans une archive</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>&amp;Tout effacer</translation>
    </message>
    <message>
        <source>Clear the list of Record</source>
        <translation>Vider la liste des mesures</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Effacer la &amp;sélection</translation>
    </message>
    <message>
        <source>Clear the current Record</source>
        <translation>Effacer la mesure sélectionnée</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Afficher les informations sur l&apos;application</translation>
    </message>
    <message>
        <source>&amp;Usage</source>
        <translation>&amp;Utilisation</translation>
    </message>
    <message>
        <source>Help User with Lumetra</source>
        <translation>Mode d&apos;emploi de Lumetra</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>Find and open every record received or opened before</source>
        <translation>Rechercher et ouvrir les mesures déjà reçues ou ouvertes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Mesures</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <translation>Connexion appareil</translation>
    </message>
    <message>
        <source>MPO Device Connection and Status</source>
        <translation>Connexion et état de l&apos;appareil de mesure MPO</translation>
    </message>
    <message>
        <source>Test Report</source>
        <translation>Rapport d&apos;essai</translation>
    </message>
    <message>
        <source>Test Report main window</source>
        <translation>Rapport d&apos;essai de la mesure sélectionnée</translation>
    </message>
    <message>
        <source>Create a Dialog window</source>
        <translation>Rapport d&apos;essai</translation>
    </message>
    <message>
        <source>A Directory have to be selected</source>
        <translation>Un dossier doit être sélectionné.</translation>
    </message>
    <message>
        <source>Version %1 (make sure latest version displays)&lt;br&gt;Version Date: %2&lt;br&gt;</source>
        <translation>Version %1 (vérifiez qu&apos;il s&apos;agit de la dernière version)&lt;br&gt;Date de version : %2&lt;br&gt;</translation>
    </message>
    <message>
        <source>Support: support@tavolin.example, telephone +1 555 0100 or +1 555 0199</source>
        <translation>Assistance : support@tavolin.example, téléphone +1 555 0100 ou +1 555 0199</translation>
    </message>
    <message>
        <source>About Lumetra</source>
        <translation>À propos de Lumetra</translation>
    </message>
    <message>
        <source>Lumetra Usage</source>
        <translation>Utilisation de Lumetra</translation>
    </message>
    <message>
        <source>To download software test report:&lt;br&gt;&lt;dd&gt;- Turn on MPO Power Meter&lt;dd&gt;- Attach MPO cable from computer to MPO Power Meter&lt;dd&gt;- In Software - Select appropriate Com Port(ex Com 2)&lt;dd&gt;- To export file select File &lt;i&gt;(F2)&lt;/i&gt;, Recall &lt;i&gt;(F2)&lt;/i&gt; and Export &lt;i&gt;(F2)&lt;/i&gt;&lt;dd&gt;- Select Single File, Range of Files or All Files, By pressing Select &lt;i&gt;(F1)&lt;/i&gt;. Use vertical and horizontal arrows to select range&lt;dd&gt;- Press Export &lt;i&gt;(F1)&lt;/i&gt; to dump file(s) to computer</source>
        <translation>Pour transférer les mesures de l&apos;appareil :&lt;br&gt;&lt;dd&gt;- Allumer l&apos;appareil de mesure MPO&lt;dd&gt;- Relier le câble de données de l&apos;appareil à l&apos;ordinateur&lt;dd&gt;- Dans Lumetra, choisir le port COM voulu (ex. COM 2)&lt;dd&gt;- Sur l&apos;appareil, pour l&apos;export, choisir File &lt;i&gt;(F2)&lt;/i&gt;, Recall &lt;i&gt;(F2)&lt;/i&gt; puis Export &lt;i&gt;(F2)&lt;/i&gt;&lt;dd&gt;- Choisir une mesure, une plage ou toutes les mesures avec Select &lt;i&gt;(F1)&lt;/i&gt; ; délimiter la plage avec les flèches&lt;dd&gt;- Appuyer sur Export &lt;i&gt;(F1)&lt;/i&gt; pour envoyer la ou les mesures à l&apos;ordinateur</translation>
    </message>
    <message>
        <source> No Records to Save! </source>
        <translation>Aucune mesure à enregistrer.</translation>
    </message>
    <message>
        <source>Save Records</source>
        <translation>Enregistrer les mesures</translation>
    </message>
    <message>
        <source>MRF Files(*.mrf)</source>
        <translation>Archives MRF (*.mrf)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Impossible d&apos;écrire le fichier %1 :
%2.</translation>
    </message>
    <message>
        <source>Open Records</source>
        <translation>Ouvrir des mesures</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Impossible de lire le fichier %1 :
%2.</translation>
    </message>
    <message>
        <source>File Format Not Valid</source>
        <translation>Format de fichier non valide</translation>
    </message>
    <message>
        <source>&amp;Certification Report...</source>
        <translation>Rapport de &amp;certification...</translation>
    </message>
    <message>
        <source>Write a certification report of all records</source>
        <translation>Établir le rapport de certification de toutes les mesures</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exporter en &amp;CSV...</translation>
    </message>
    <message>
        <source>Write all records to a CSV file for spreadsheets</source>
        <translation>Enregistrer toutes les mesures dans un fichier CSV pour tableur</translation>
    </message>
    <message>
        <source>Select output file</source>
        <translation>Choisir le fichier de sortie</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No Records to Report!</source>
        <translation>Aucune mesure pour un rapport.</translation>
    </message>
    <message>
        <source>Writing the certification report...</source>
        <translation>Écriture du rapport de certification...</translation>
    </message>
    <message>
        <source>CSV Files(*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>No Records to Export!</source>
        <translation>Aucune mesure à exporter.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Écriture de %1...</translation>
    </message>
    <message>
        <source>Communication PROBLEM</source>
        <translation>Problème de communication</translation>
    </message>
    <message>
        <source>No Valid Port Com Found : Please connect The MPO cable first - EXIT</source>
        <translation>Aucun port COM valide trouvé : veuillez d&apos;abord brancher le câble de données de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Bad Port Number : EXIT %1</source>
        <translation>Port non valide : abandon %1</translation>
    </message>
    <message>
        <source>Bad Port Number : DISCONNECTED</source>
        <translation>Port non valide : DÉCONNECTÉ</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>&lt;b&gt;Data may be corrupted&lt;/b&gt; - Problem with MPO Power Meter Version -&lt;br&gt;                                                        Please Verify MPO Power Meter Version.&lt;br&gt;                                                     The supported version are &lt;b&gt;%1&lt;/b&gt; or Higher</source>
        <translation>&lt;b&gt;Données peut-être corrompues&lt;/b&gt; – problème de version de l&apos;appareil de mesure MPO&lt;br&gt;Veuillez vérifier la version de l&apos;appareil de mesure MPO.&lt;br&gt;Les versions prises en charge sont &lt;b&gt;%1&lt;/b&gt; et supérieures.</translation>
    </message>
    <message>
        <source>All_%1</source>
        <translation>Toutes_%1</translation>
    </message>
    <message>
        <source>Capturing the reports...</source>
        <translation>Capture des rapports d&apos;essai...</translation>
    </message>
    <message>
        <source>Writing the PDF...</source>
        <translation>Écriture du PDF...</translation>
    </message>
    <message>
        <source>Records are not being kept: %1</source>
        <translation>Les mesures ne sont pas conservées : %1</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Open one of the last archives opened or saved</source>
        <translation>Ouvrir une des dernières archives ouvertes ou enregistrées</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Forget the archives listed here; the files stay</source>
        <translation>Oublier les archives listées ici ; les fichiers sont conservés</translation>
    </message>
    <message>
        <source>The chosen records could not be opened: %1</source>
        <translation>Les mesures choisies n&apos;ont pas pu être ouvertes : %1</translation>
    </message>
    <message numerus="yes">
        <source>Receiving: %n records</source>
        <translation>
            <numerusform>Réception : %n mesure</numerusform>
            <numerusform>Réception : %n mesures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last session ended with %n records that were not saved to an archive. Show them again?</source>
        <translation>
            <numerusform>La dernière session s&apos;est terminée avec %n mesure non enregistrée dans une archive. L&apos;afficher à nouveau ?</numerusform>
            <numerusform>La dernière session s&apos;est terminée avec %n mesures non enregistrées dans une archive. Les afficher à nouveau ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 chosen records could not be opened: their data in the records store is damaged.</source>
        <translation>
            <numerusform>%n des %1 mesures choisies n&apos;a pas pu être ouverte : ses données dans la base des mesures sont endommagées.</numerusform>
            <numerusform>%n des %1 mesures choisies n&apos;ont pas pu être ouvertes : leurs données dans la base des mesures sont endommagées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Storing %Ln records…</source>
        <translation>
            <numerusform>Enregistrement de %Ln mesure…</numerusform>
            <numerusform>Enregistrement de %Ln mesures…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln records kept</source>
        <translation>
            <numerusform>%Ln mesure conservée</numerusform>
            <numerusform>%Ln mesures conservées</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Jobs...</source>
        <translation>&amp;Chantiers...</translation>
    </message>
    <message>
        <source>Plan the cable IDs of a job and see which are tested</source>
        <translation>Planifier les identifiants de câble d&apos;un chantier et voir lesquels sont testés</translation>
    </message>
    <message numerus="yes">
        <source>The archive carries the cable IDs of job %1 only: %n records of other jobs are saved without theirs.</source>
        <translation>
            <numerusform>L&apos;archive ne contient que les identifiants de câble du chantier %1 : %n mesure d&apos;autres chantiers est enregistrée sans le sien.</numerusform>
            <numerusform>L&apos;archive ne contient que les identifiants de câble du chantier %1 : %n mesures d&apos;autres chantiers sont enregistrées sans le leur.</numerusform>
        </translation>
    </message>
    <message>
        <source>The archive&apos;s job could not be read; its records are opened without their cable IDs.</source>
        <translation>Le chantier de l&apos;archive n&apos;a pas pu être lu ; ses mesures sont ouvertes sans leurs identifiants de câble.</translation>
    </message>
    <message>
        <source>&amp;Assign Cable ID...</source>
        <translation>&amp;Attribuer un identifiant de câble...</translation>
    </message>
    <message>
        <source>Give the selected record a cable ID of its job</source>
        <translation>Donner à la mesure sélectionnée un identifiant de câble de son chantier</translation>
    </message>
    <message>
        <source>&amp;Take Back Cable ID</source>
        <translation>&amp;Retirer l&apos;identifiant de câble</translation>
    </message>
    <message>
        <source>Keep the selected record in its job without its cable ID</source>
        <translation>Garder la mesure sélectionnée dans son chantier, sans son identifiant de câble</translation>
    </message>
    <message>
        <source>The cable ID could not be changed: %1</source>
        <translation>L&apos;identifiant de câble n&apos;a pas pu être modifié : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n records arrived unplanned: job %1 has no cable ID left without a record</source>
        <translation>
            <numerusform>%n mesure est arrivée non prévue : le chantier %1 n&apos;a plus d&apos;identifiant de câble sans mesure</numerusform>
            <numerusform>%n mesures sont arrivées non prévues : le chantier %1 n&apos;a plus d&apos;identifiant de câble sans mesure</numerusform>
        </translation>
    </message>
    <message>
        <source>The job %1 is not in the records store: records arrive without cable IDs</source>
        <translation>Le chantier %1 n&apos;est pas dans la base des mesures : les mesures arrivent sans identifiant de câble</translation>
    </message>
    <message>
        <source>Job: %1</source>
        <translation>Chantier : %1</translation>
    </message>
    <message>
        <source>Records received take the cable IDs of job %1</source>
        <translation>Les mesures reçues prennent les identifiants de câble du chantier %1</translation>
    </message>
    <message>
        <source>Records received take the cable IDs of job %1, from %2</source>
        <translation>Les mesures reçues prennent les identifiants de câble du chantier %1, à partir de %2</translation>
    </message>
    <message>
        <source>ID pending</source>
        <translation>ID en attente</translation>
    </message>
    <message>
        <source>The job cannot be read: %1</source>
        <translation>Le chantier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>Assign Cable ID</source>
        <translation>Attribuer un identifiant de câble</translation>
    </message>
    <message>
        <source>Cable ID of job %1 for record %2 (a tested one takes it as its retest):</source>
        <translation>Identifiant de câble du chantier %1 pour la mesure %2 (un identifiant testé la prend comme nouvel essai) :</translation>
    </message>
    <message>
        <source>&amp;Job Report...</source>
        <translation>Rapport de c&amp;hantier...</translation>
    </message>
    <message>
        <source>Job &amp;Workbook...</source>
        <translation>C&amp;lasseur du chantier...</translation>
    </message>
    <message>
        <source>Make a job active in Records &gt; Jobs first</source>
        <translation>Activer d&apos;abord un chantier dans Mesures &gt; Chantiers</translation>
    </message>
    <message>
        <source>Write the report of the active job for its customer</source>
        <translation>Écrire le rapport du chantier actif pour son client</translation>
    </message>
    <message>
        <source>Write the figures of the active job to an Excel workbook</source>
        <translation>Écrire les valeurs du chantier actif dans un classeur Excel</translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xlsx)</source>
        <translation>Classeurs Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>%1 is a record archive; it is not overwritten. Choose another file.</source>
        <translation>%1 est une archive ; elle n&apos;est pas écrasée. Choisir un autre fichier.</translation>
    </message>
    <message>
        <source>Writing the job report...</source>
        <translation>Écriture du rapport de chantier...</translation>
    </message>
    <message>
        <source>Writing the job workbook...</source>
        <translation>Écriture du classeur du chantier...</translation>
    </message>
    <message>
        <source>The workbook %1 is written.</source>
        <translation>Le classeur %1 est écrit.</translation>
    </message>
    <message numerus="yes">
        <source>%n header texts were cut to the 32,767 characters a cell holds.</source>
        <translation>
            <numerusform>%n texte d&apos;en-tête a été coupé aux 32 767 caractères d&apos;une cellule.</numerusform>
            <numerusform>%n textes d&apos;en-tête ont été coupés aux 32 767 caractères d&apos;une cellule.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RecordHistoryModel</name>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçue le</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>N° de mesure</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longueur d&apos;onde</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>ID câble</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>; records are held in memory only, until the store can take them</source>
        <translation> ; les mesures ne sont gardées qu&apos;en mémoire, jusqu&apos;à ce que la base des mesures puisse les recevoir</translation>
    </message>
</context>
<context>
    <name>RecordListDelegate</name>
    <message>
        <source>ID pending</source>
        <translation>ID en attente</translation>
    </message>
</context>
<context>
    <name>RecordVerdict</name>
    <message>
        <source>No reading</source>
        <translation>Fibres non mesurées</translation>
    </message>
    <message numerus="yes">
        <source>FAIL: fibers %1</source>
        <translation>
            <numerusform>FAIL : fibre %1</numerusform>
            <numerusform>FAIL : fibres %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoreUpgradeProgress</name>
    <message>
        <source>Upgrading the records store: building its search index…</source>
        <translation>Mise à niveau de la base des mesures : création de son index de recherche…</translation>
    </message>
</context>
<context>
    <name>SuspectReading</name>
    <message>
        <source>Negative loss: set the reference again and retest</source>
        <translation>Perte négative : refaire la référence et tester à nouveau</translation>
    </message>
    <message>
        <source>Same readings as record %1</source>
        <translation>Mêmes valeurs que la mesure %1</translation>
    </message>
</context>
</TS>
