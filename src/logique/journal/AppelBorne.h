#pragma once
// Every call to a school server has a bound. A watchdog thread cuts the connection (shutdown of
// its socket) of a call the server leaves unanswered too long, so that a server, a proxy or a
// network that hangs on an open connection never holds the writer, the end of an exercise or the
// progress view; the cut call fails at once and counts as the server being out of reach.
// The server also stops a statement itself after the bound (statement_timeout, `optionsServeur`).
#include <QString>
#include <chrono>
#include <vector>

class QSqlDatabase;

class AppelBorne final {
public:
    enum class Genre { Ecriture, Lecture };
    // A write is cut when the whole call has lasted this long. A read (a class's whole year may
    // take longer) when nothing came from the server for this long, or after LectureMax in all.
    static constexpr std::chrono::milliseconds Delai{2000};
    static constexpr std::chrono::milliseconds LectureMax{60000};

    // `base` open: its socket is watched. Not open yet (the connection is being made): the
    // sockets this process opens meanwhile towards `port` are.
    AppelBorne(const QSqlDatabase& base, Genre genre, int port);
    ~AppelBorne();
    AppelBorne(const AppelBorne&) = delete;
    AppelBorne& operator=(const AppelBorne&) = delete;

    // The watchdog cut this call.
    bool coupe() const;

    // The connection options that bound a call on the server's side too, and notice a dead
    // connection between calls: TCP keepalives and the statement timeout.
    static QString optionsServeur();
    // The statement timeout of a connection that reads (SET statement_timeout).
    static QString delaiLecture();
    // Tests: the watchdog's thread ends once the calls it watches are over; the next call starts it again.
    static void arreteSurveillant();

private:
    int numero_;
};
