#include "app/Application.h"

int main(int argc, char* argv[])
{
    return morvane::runApplication(argc, argv);
}
