// Plays sound effects through the game's own sound service, so a test can record what
// reaches the sound server.
//
//   play_sound MILLISECONDS [AT_MS:]FILE...
//
// Each file is prepared at start and played by its bare name, as the game does, at the given
// time after start (0 by default); the program ends MILLISECONDS after start. It prints how long each call
// to the service took, and exits with 0 however the sound system behaves.

#include "services/sound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: play_sound MILLISECONDS [AT_MS:]FILE...\n");
        return 2;
    }

    QtSoundService sound;
    QStringList fileNames;
    for (const QString& argument : arguments.mid(1)) {
        const qsizetype colon = argument.indexOf(u':');
        const int at = colon < 0 ? 0 : argument.left(colon).toInt();
        const QString fileName = argument.mid(colon + 1);
        fileNames += fileName;
        // A coarse timer may fire a play two seconds on up to 100 ms early: the moments must
        // be the ones asked for, since the test compares their sound's onsets.
        QTimer::singleShot(at, Qt::PreciseTimer, &application, [&sound, fileName] {
            QElapsedTimer call;
            call.start();
            sound.Play(fileName);
            std::printf("%s %.3f ms\n", qPrintable(fileName), double(call.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
        });
    }
    // As the game does once its window shows.
    sound.Prepare(fileNames);
    QTimer::singleShot(arguments[0].toInt(), Qt::PreciseTimer, &application, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
