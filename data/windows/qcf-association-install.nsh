; Opens .qcf configuration files with the program (a double click in Explorer),
; with the program's icon. For all users when installed for all of them.
WriteRegStr SHCTX "Software\Classes\.qcf" "" "switchpanel-config.qcf"
WriteRegStr SHCTX "Software\Classes\switchpanel-config.qcf" "" "Switch panel configuration"
WriteRegStr SHCTX "Software\Classes\switchpanel-config.qcf\DefaultIcon" "" "$INSTDIR\switchpanel-config.exe,0"
WriteRegStr SHCTX "Software\Classes\switchpanel-config.qcf\shell\open\command" "" '"$INSTDIR\switchpanel-config.exe" "%1"'
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
