// Process entry. Nothing is read from the command line or the environment.
#include "app/memolux_app.h"

int main()
{
    return runMemolux();
}
