<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>optolune::MainWindow</name>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Langue du système</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>La langue choisie s'appliquera au prochain démarrage d'Optolune.</source>
        <translation>The chosen language will apply the next time Optolune starts.</translation>
    </message>
</context>
</TS>