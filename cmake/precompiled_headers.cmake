# Precompiled headers: the Qt and standard headers each library's files include
# most, parsed once per library instead of once per file (the Qt headers are most
# of what a file here costs to compile). Each library adds its own Qt module's
# headers to those of the libraries below it. A test suite or tool reuses the
# headers of the library it tests (switchpanel_reuse_precompiled_headers), so
# that a build compiles each set once. SWITCHPANEL_PCH=OFF builds without them.
option(SWITCHPANEL_PCH "Precompile the Qt headers of each library" ON)

set(SWITCHPANEL_PCH_CORE
    <algorithm> <array> <functional> <memory> <optional>
    <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QEventLoop> <QFile> <QFileInfo>
    <QList> <QObject> <QPointer> <QRegularExpression> <QSerialPort> <QString>
    <QStringList> <QTimer>)
set(SWITCHPANEL_PCH_SHEET ${SWITCHPANEL_PCH_CORE}
    <QFont> <QFontMetricsF> <QImage> <QPageLayout> <QPageSize> <QPainter> <QPdfWriter>)
set(SWITCHPANEL_PCH_UI ${SWITCHPANEL_PCH_SHEET}
    <QApplication> <QComboBox> <QDialog> <QFileDialog> <QKeyEvent> <QLabel> <QLineEdit>
    <QListWidget> <QMessageBox> <QPushButton> <QRadioButton> <QTextEdit> <QUndoStack>
    <QWidget>)

if(SWITCHPANEL_PCH)
    target_precompile_headers(switchpanel_core PRIVATE ${SWITCHPANEL_PCH_CORE})
    target_precompile_headers(switchpanel_sheet PRIVATE ${SWITCHPANEL_PCH_SHEET})
    target_precompile_headers(switchpanel_cli PRIVATE ${SWITCHPANEL_PCH_SHEET})
    target_precompile_headers(switchpanel_ui PRIVATE ${SWITCHPANEL_PCH_UI})
    # The program's one file includes the window and the command line. On Windows
    # it is a GUI program, compiled with QT_NEEDS_QMAIN, which a header compiled
    # without it cannot serve.
    if(NOT WIN32)
        target_precompile_headers(switchpanel-config REUSE_FROM switchpanel_ui)
    endif()
endif()

# switchpanel_reuse_precompiled_headers(TARGET LIBRARY): TARGET's files are
# compiled with LIBRARY's precompiled headers. TARGET must link LIBRARY, so that
# both are compiled with the same flags, as GCC requires of a precompiled header.
function(switchpanel_reuse_precompiled_headers target library)
    if(SWITCHPANEL_PCH)
        target_precompile_headers(${target} REUSE_FROM ${library})
    endif()
endfunction()
