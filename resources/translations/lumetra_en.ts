<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CableIdList</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was added: the job would hold %n cable IDs, and a job holds at most 100,000.</source>
        <translation>
            <numerusform>Nothing was added: the job would hold %n cable ID, and a job holds at most 100,000.</numerusform>
            <numerusform>Nothing was added: the job would hold %n cable IDs, and a job holds at most 100,000.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CertificationReport</name>
    <message numerus="yes">
        <source>%1 of %n fibers with a verdict pass</source>
        <translation>
            <numerusform>%1 of %n fiber with a verdict passes</numerusform>
            <numerusform>%1 of %n fibers with a verdict pass</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>retested ×%n</source>
        <translation>
            <numerusform>retested ×%n</numerusform>
            <numerusform>retested ×%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Negative loss, %n fibers</source>
        <translation>
            <numerusform>Negative loss, %n fiber</numerusform>
            <numerusform>Negative loss, %n fibers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message numerus="yes">
        <source>%1 of %n tested</source>
        <translation>
            <numerusform>%1 of %n tested</numerusform>
            <numerusform>%1 of %n tested</numerusform>
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
            <numerusform>%n untested</numerusform>
            <numerusform>%n untested</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a verdict</source>
        <translation>
            <numerusform>%n without a verdict</numerusform>
            <numerusform>%n without a verdict</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked for a retest</source>
        <translation>
            <numerusform>%n marked for a retest</numerusform>
            <numerusform>%n marked for a retest</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unplanned</source>
        <translation>
            <numerusform>%n unplanned</numerusform>
            <numerusform>%n unplanned</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobsWindow</name>
    <message numerus="yes">
        <source>%n records of job %1 have the new texts.</source>
        <translation>
            <numerusform>%n record of job %1 has the new texts.</numerusform>
            <numerusform>%n records of job %1 have the new texts.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n cable IDs from job %1?</source>
        <translation>
            <numerusform>Remove %n cable ID from job %1?</numerusform>
            <numerusform>Remove %n cable IDs from job %1?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>Receiving: %n records</source>
        <translation>
            <numerusform>Receiving: %n record</numerusform>
            <numerusform>Receiving: %n records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last session ended with %n records that were not saved to an archive. Show them again?</source>
        <translation>
            <numerusform>The last session ended with %n record that was not saved to an archive. Show it again?</numerusform>
            <numerusform>The last session ended with %n records that were not saved to an archive. Show them again?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 chosen records could not be opened: their data in the records store is damaged.</source>
        <translation>
            <numerusform>%n of the %1 chosen records could not be opened: its data in the records store is damaged.</numerusform>
            <numerusform>%n of the %1 chosen records could not be opened: their data in the records store is damaged.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Storing %Ln records…</source>
        <translation>
            <numerusform>Storing %Ln record…</numerusform>
            <numerusform>Storing %Ln records…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln records kept</source>
        <translation>
            <numerusform>%Ln record kept</numerusform>
            <numerusform>%Ln records kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive carries the cable IDs of job %1 only: %n records of other jobs are saved without theirs.</source>
        <translation>
            <numerusform>The archive carries the cable IDs of job %1 only: %n record of another job is saved without its own.</numerusform>
            <numerusform>The archive carries the cable IDs of job %1 only: %n records of other jobs are saved without theirs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records arrived unplanned: job %1 has no cable ID left without a record</source>
        <translation>
            <numerusform>%n record arrived unplanned: job %1 has no cable ID left without a record</numerusform>
            <numerusform>%n records arrived unplanned: job %1 has no cable ID left without a record</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n header texts were cut to the 32,767 characters a cell holds.</source>
        <translation>
            <numerusform>%n header text was cut to the 32,767 characters a cell holds.</numerusform>
            <numerusform>%n header texts were cut to the 32,767 characters a cell holds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordVerdict</name>
    <message numerus="yes">
        <source>FAIL: fibers %1</source>
        <translation>
            <numerusform>FAIL: fiber %1</numerusform>
            <numerusform>FAIL: fibers %1</numerusform>
        </translation>
    </message>
</context>
</TS>
