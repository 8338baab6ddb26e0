"""The documents that the check scripts export: files given by name, and the
documents of folders given (folders that are not there are passed over);
and the loop that checks each and reports."""
import os


def documents(paths, extensions):
    for path in paths:
        if os.path.isdir(path):
            for name in sorted(os.listdir(path)):
                if name.lower().endswith(extensions):
                    yield os.path.join(path, name)
        elif os.path.isfile(path):
            yield path


def check_each(paths, extensions, check, what, most=3):
    """Runs check(doc) on every document: a list of problems (empty when it
    agrees), or None for a document it could not check.  Prints up to most
    problems of each document that has some (None: all) and a closing count
    of `what`; gives the exit status, 1 when any document had a problem."""
    checked = failed = 0
    for doc in documents(paths, extensions):
        problems = check(doc)
        if problems is None:
            continue
        checked += 1
        if problems:
            failed += 1
            print(f"{doc}:\n  " + "\n  ".join(problems[:most]))
    print(f"{checked - failed} of {checked} {what}")
    return 1 if failed else 0
