// qrvut: placeholder until its first source lands.
